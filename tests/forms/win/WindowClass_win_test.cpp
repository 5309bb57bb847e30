// Window classes and creation: failures carry the system's reason; errors of system callbacks
// never unwind through the system.
#include "support/WinTest.h"

#include "forms/base/CallbackGuard.h"
#include "forms/base/Exceptions.h"
#include "forms/win/Screen.h"

#include <algorithm>

using namespace forms;

namespace {
// Superclasses a system class that does not exist.
class TSuperOfNothing : public TCustomControl {
public:
    explicit TSuperOfNothing(TComponent* owner) : TCustomControl(owner) {}

protected:
    void CreateParams(TCreateParams& p) override {
        TCustomControl::CreateParams(p);
        p.SystemClass = L"KbNoSuchSystemClass";
    }
};

// A child window of a given parent window, which may be gone.
class TOrphan : public TCustomControl {
public:
    TOrphan(TComponent* owner, HWND parent) : TCustomControl(owner), parentWindow_(parent) {}

protected:
    void CreateParams(TCreateParams& p) override {
        TCustomControl::CreateParams(p);
        p.WndParent = parentWindow_;
    }

private:
    HWND parentWindow_;
};

class TPlainBox : public TCustomControl {
public:
    explicit TPlainBox(TComponent* owner) : TCustomControl(owner) { SetBounds(5, 5, 20, 20); }
};

std::string CreationError(TControl& control) {
    try {
        (void)control.Handle();
    } catch (const Exception& e) {
        return e.Message();
    }
    return "(no error)";
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}
} // namespace

using WindowClassTest = WinTest;

TEST_F(WindowClassTest, MissingSystemClassToSuperclassIsReportedWithTheSystemsReason) {
    auto c = MakeScoped<TSuperOfNothing>();
    const std::string reason = SysErrorMessage(ERROR_CLASS_DOES_NOT_EXIST);
    ASSERT_FALSE(reason.empty());
    const std::string message = CreationError(*c);
    EXPECT_TRUE(Contains(message, "ウィンドウクラスを登録できません")) << message;
    EXPECT_TRUE(Contains(message, "TSuperOfNothing")) << message;
    EXPECT_TRUE(Contains(message, reason)) << message;
    EXPECT_FALSE(c->HandleAllocated());
    // Asked again, it fails again the same way instead of using a half-registered class.
    EXPECT_EQ(CreationError(*c), message);
}

TEST_F(WindowClassTest, ChildOfAParentThatIsGoneIsReportedWithTheSystemsReason) {
    HWND gone = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(gone, nullptr);
    DestroyWindow(gone);
    auto c = MakeScoped<TOrphan>(gone);
    const std::string message = CreationError(*c);
    EXPECT_TRUE(Contains(message, "ウィンドウを作成できません")) << message;
    EXPECT_TRUE(Contains(message, "TOrphan")) << message;
    EXPECT_TRUE(Contains(message, SysErrorMessage(ERROR_INVALID_WINDOW_HANDLE))) << message;
    EXPECT_FALSE(c->HandleAllocated());
}

TEST_F(WindowClassTest, FailedCreationLeavesTheNextWindowToItsOwnControl) {
    auto orphan = MakeScoped<TOrphan>(reinterpret_cast<HWND>(static_cast<intptr_t>(0x7FFFFF0)));
    (void)CreationError(*orphan);
    auto f = ShownForm();
    auto* box = MakeOwned<TPlainBox>(f.get());
    box->SetParent(f.get());
    ASSERT_TRUE(box->HandleAllocated());
    EXPECT_EQ(TControl::FromHandle(box->Handle()), box);
    EXPECT_FALSE(orphan->HandleAllocated());
}

TEST_F(WindowClassTest, ErrorInAnEnumerationStopsItAndComesAfterTheSystemCall) {
    auto one = ShownForm(80, 60);
    auto two = ShownForm(80, 60);
    struct Enumeration {
        int calls = 0;
        CallbackGuard guard;
    } e;
    const BOOL finished = EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND, LPARAM lp) -> BOOL {
            auto& e = *reinterpret_cast<Enumeration*>(lp);
            return e.guard.Run(FALSE, [&]() -> BOOL {
                ++e.calls;
                throw Exception("列挙の失敗");
            });
        },
        reinterpret_cast<LPARAM>(&e));
    EXPECT_FALSE(finished);
    EXPECT_EQ(e.calls, 1);
    EXPECT_THROW(e.guard.Rethrow(), Exception);
}

TEST_F(WindowClassTest, DisabledThreadWindowsAreTheOnesEnabledAgain) {
    auto f = ShownForm();
    const std::vector<HWND> disabled = DisableThreadWindows(nullptr);
    EXPECT_NE(std::find(disabled.begin(), disabled.end(), f->Handle()), disabled.end());
    EXPECT_FALSE(IsWindowEnabled(f->Handle()));
    EnableWindows(disabled);
    EXPECT_TRUE(IsWindowEnabled(f->Handle()));
}

TEST_F(WindowClassTest, FontFacesAreSortedAndUnique) {
    const std::vector<std::string> faces = Screen.Fonts();
    ASSERT_FALSE(faces.empty());
    EXPECT_TRUE(std::is_sorted(faces.begin(), faces.end()));
    EXPECT_EQ(std::adjacent_find(faces.begin(), faces.end()), faces.end());
}

TEST_F(WindowClassTest, ErrorOfTheErrorHandlerStaysInside) {
    Application.OnException = [](std::exception_ptr) { throw std::runtime_error("again"); };
    EXPECT_NO_THROW(Application.HandleException(std::make_exception_ptr(Exception("x"))));
}
