#pragma once
// What every window test shares: a clean application state before and after each test, and
// errors escaping event handlers collected instead of shown in a box.
#include "forms/win/Application.h"
#include "forms/win/Form.h"
#include "support/GuiTest.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class WinTest : public ::testing::Test {
protected:
    void SetUp() override {
        forms::Application.OnException = [this](std::exception_ptr e) {
            errors.push_back(forms::ExceptionMessage(e));
        };
    }
    void TearDown() override {
        forms::Application.HideHint();
        forms::Application.OnMessage = nullptr;
        forms::Application.OnShowHint = nullptr;
        forms::Application.OnActivate = nullptr;
        forms::Application.OnDeactivate = nullptr;
        kbtest::Pump(20);
        forms::Application.OnException = nullptr;
    }

    // A visible form of the given client size at (100, 100), in front.
    template <typename T = forms::TForm> forms::Scoped<T> ShownForm(int w = 200, int h = 150) {
        auto f = forms::MakeScoped<T>();
        f->SetBounds(100, 100, 10, 10);
        f->SetClientSize(w, h);
        f->Show();
        kbtest::BringToFront(f->Handle());
        return f;
    }

    std::vector<std::string> errors;
};
