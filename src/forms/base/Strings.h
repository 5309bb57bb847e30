#pragma once
// Lists of text lines: TStrings is the interface that combo and list items and tab captions share;
// TStringList holds its lines itself.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace forms {

class TStream;

class TStrings {
public:
    virtual ~TStrings() = default;

    virtual int Count() const = 0;
    virtual std::string Strings(int index) const = 0;
    virtual void SetStrings(int index, std::string_view s) = 0;
    virtual void Insert(int index, std::string_view s) = 0;
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;

    int Add(std::string_view s);
    // Index of the first line equal to s, letter case ignored; -1 when none.
    int IndexOf(std::string_view s) const;
    void Assign(const TStrings& source);
    // Each line followed by CR LF.
    std::string Text() const;
    // Lines split at CR LF, LF or CR.
    void SetText(std::string_view text);
    // The text after '=' of the first line whose part before the first '=' equals name (any
    // case, untrimmed); "" when none.
    std::string Values(std::string_view name) const;
    // Nested updates: the list may defer repainting until the outermost EndUpdate.
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }

protected:
    // Must not throw: the last EndUpdate also runs while an error unwinds (TStringsUpdate).
    virtual void SetUpdateState(bool /*updating*/) {}

private:
    int updateCount_ = 0;
};

// BeginUpdate of a list for the scope; its EndUpdate comes on every path out.
class TStringsUpdate {
public:
    explicit TStringsUpdate(TStrings& strings) : strings_(strings) { strings_.BeginUpdate(); }
    ~TStringsUpdate() { strings_.EndUpdate(); }
    TStringsUpdate(const TStringsUpdate&) = delete;
    TStringsUpdate& operator=(const TStringsUpdate&) = delete;

private:
    TStrings& strings_;
};

class TStringList : public TStrings {
public:
    TStringList() = default;
    TStringList(std::initializer_list<std::string> lines) : lines_(lines) {}

    int Count() const override { return static_cast<int>(lines_.size()); }
    std::string Strings(int index) const override;
    void SetStrings(int index, std::string_view s) override;
    void Insert(int index, std::string_view s) override;
    void Delete(int index) override;
    void Clear() override { lines_.clear(); }

    const std::vector<std::string>& Lines() const { return lines_; }

    // Orders the lines with compare (negative, 0, positive); equal lines keep their order.
    void Sort(const std::function<int(const std::string&, const std::string&)>& compare);
    void LoadFromFile(std::string_view fileName);
    void LoadFromStream(TStream& stream);
    // Every line ends with CR LF. The text goes to a temporary file beside the target first;
    // when that fails EFileCreateError is raised and the old file stays as it was.
    void SaveToFile(std::string_view fileName) const;

private:
    void Check(int index, int last) const;
    std::vector<std::string> lines_;
};

} // namespace forms
