#include "forms/shell/ComInit.h"
#include "forms/shell/ComPtr.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <thread>

using forms::ComInit;
using forms::ComPtr;

namespace {
// A COM object that counts its references and knows one other interface.
class Counted : public IPersistFile {
public:
    ULONG refs = 1;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IPersist) ||
            iid == __uuidof(IPersistFile)) {
            *out = static_cast<IPersistFile*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs; }
    HRESULT STDMETHODCALLTYPE GetClassID(CLSID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE IsDirty() override { return S_FALSE; }
    HRESULT STDMETHODCALLTYPE Load(LPCOLESTR, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Save(LPCOLESTR, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SaveCompleted(LPCOLESTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetCurFile(LPOLESTR*) override { return E_NOTIMPL; }
};

// Runs body on a fresh thread, which has no COM apartment yet.
template <class F> void OnNewThread(F body) {
    std::thread t(body);
    t.join();
}
} // namespace

TEST(ComPtr, ReleasesItsReferenceAndCountsCopies) {
    Counted object;
    {
        ComPtr<IPersistFile> p(&object);
        {
            ComPtr<IPersistFile> copy = p;
            EXPECT_EQ(object.refs, 2u);
            ComPtr<IPersistFile> moved = std::move(copy);
            EXPECT_FALSE(copy);
            EXPECT_EQ(object.refs, 2u);
        }
        EXPECT_EQ(object.refs, 1u);
    }
    EXPECT_EQ(object.refs, 0u);
}

TEST(ComPtr, AsGivesAnotherInterfaceOrNothing) {
    Counted object;
    ComPtr<IPersistFile> p(&object);
    {
        ComPtr<IPersist> persist = p.As<IPersist>();
        EXPECT_TRUE(persist);
        EXPECT_EQ(object.refs, 2u);
        EXPECT_FALSE(p.As<IShellLinkW>());
    }
    EXPECT_EQ(object.refs, 1u);
    p.Reset();
    EXPECT_EQ(object.refs, 0u);
}

TEST(ComPtr, CreateMakesTheShellLinkObject) {
    OnNewThread([] {
        ComInit com;
        ComPtr<IShellLinkW> link = ComPtr<IShellLinkW>::Create(CLSID_ShellLink);
        EXPECT_TRUE(link);
        EXPECT_TRUE(link.As<IPersistFile>());
    });
}

TEST(ComPtr, CreateOfAnUnknownClassRaisesTheOleError) {
    OnNewThread([] {
        ComInit com;
        const CLSID none = {0x1234abcd, 0x1, 0x2, {0, 1, 2, 3, 4, 5, 6, 7}};
        try {
            (void)ComPtr<IShellLinkW>::Create(none);
            ADD_FAILURE() << "no error raised";
        } catch (const forms::EComError& e) {
            EXPECT_EQ(e.Code(), static_cast<int32_t>(REGDB_E_CLASSNOTREG));
        }
    });
}

TEST(ComInit, BalancesItsOwnInitialisationOnly) {
    OnNewThread([] {
        {
            ComInit outer;
            EXPECT_EQ(outer.Result(), S_OK);
            ComInit inner;
            EXPECT_EQ(inner.Result(), S_FALSE);
            EXPECT_TRUE(inner.Usable());
        }
        // Both left: the thread starts afresh.
        ComInit again;
        EXPECT_EQ(again.Result(), S_OK);
    });
}

TEST(ComInit, AMultiThreadedApartmentStaysAndIsUsable) {
    OnNewThread([] {
        ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
        {
            ComInit com;
            EXPECT_EQ(com.Result(), RPC_E_CHANGED_MODE);
            EXPECT_TRUE(com.Usable());
        }
        // Still in the multi-threaded apartment: entering it again only counts.
        EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE);
        CoUninitialize();
        CoUninitialize();
    });
}

TEST(ComInit, UseComOnThisThreadEntersOnceAndStays) {
    OnNewThread([] {
        forms::UseComOnThisThread();
        forms::UseComOnThisThread();
        // Entered once and still entered: another entry only counts.
        EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_FALSE);
        CoUninitialize();
    });
}
