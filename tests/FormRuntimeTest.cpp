// The window runtime: loading, showing, modal showing, unloading, the
// collection of loaded windows, and errors that no handler trapped.

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "forms/Application.h"
#include "forms/CommandButton.h"
#include "forms/Form.h"
#include "forms/ProgramEnd.h"
#include "forms/Session.h"
#include "forms/Label.h"
#include "runtime/RuntimeError.h"
#include "tests/support/DesktopTurn.h"
#include "tests/support/Errors.h"
#include "tests/support/MessageBoxAnswerer.h"
#include "tests/support/UserInput.h"

namespace {
// A window that records what happened to it.
class TestForm : public Form {
public:
    explicit TestForm(std::wstring name) : name_(std::move(name)) {}

    CommandButton button;
    Label label;
    int loads = 0;
    int unloads = 0;
    bool cancelUnload = false;
    std::function<void()> onLoad;
    bool ownsBoxes = false;
    bool visibleDuringLoad = true;
    bool inCollectionDuringLoad = false;
    std::function<void()> onButton;
    std::function<void(UINT, WPARAM)> onMessage;

protected:
    FormSettings settings() const override {
        FormSettings settings;
        settings.className = name_;
        settings.caption = name_;
        settings.clientWidth = 3000;
        settings.clientHeight = 2000;
        settings.ownsMessageBoxes = ownsBoxes;
        return settings;
    }
    void createControls() override {
        button.create(*this, ButtonArgs{.caption = L"&Go", .rect = TwipsRect{120, 120, 1200, 375}});
        button.onClick = [this] {
            if (onButton) onButton();
        };
        label.create(*this, L"text", TwipsRect{120, 600, 1200, 375});
    }
    void Form_Load() override {
        ++loads;
        visibleDuringLoad = IsWindowVisible(hwnd()) != FALSE;
        inCollectionDuringLoad = Application::instance().forms().contains(*this);
        if (onLoad) onLoad();
    }
    void Form_QueryUnload(bool& cancel) override { cancel = cancelUnload; }
    void Form_Unload() override { ++unloads; }
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (onMessage) onMessage(message, wParam);
        return Form::handleMessage(message, wParam, lParam);
    }

private:
    std::wstring name_;
};

class FormRuntimeTest : public testing::Test {
protected:
    FormRuntimeTest() { waitForDesktopTurn(); }

    ProgramEndOverride end{[this](int code) { ends.push_back(code); }};
    TestForm first{L"FirstTestForm"};
    TestForm second{L"SecondTestForm"};
    MessageBoxAnswerer boxes;
    std::vector<int> ends;  // exit codes
};

TEST_F(FormRuntimeTest, ShowLoadsFirstAndJoinsTheCollectionWhenTheLoadBegins) {
    first.Show();
    EXPECT_EQ(first.loads, 1);
    EXPECT_FALSE(first.visibleDuringLoad);
    EXPECT_TRUE(first.inCollectionDuringLoad);
    EXPECT_TRUE(IsWindowVisible(first.hwnd()));
    first.Show();  // already loaded: not loaded again
    EXPECT_EQ(first.loads, 1);
}

TEST_F(FormRuntimeTest, CancelledUnloadKeepsTheWindow) {
    first.Show();
    first.cancelUnload = true;
    SendMessageW(first.hwnd(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(first.isLoaded());
    EXPECT_EQ(first.unloads, 0);
    EXPECT_TRUE(Application::instance().forms().contains(first));
}

TEST_F(FormRuntimeTest, UnloadDestroysTheWindowAndTheNextShowLoadsAfresh) {
    first.Show();
    second.Show();
    HWND window = first.hwnd();
    int buttonId = first.button.id();
    EXPECT_TRUE(first.Unload());
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(first.unloads, 1);
    ASSERT_EQ(Application::instance().forms().snapshot().size(), 1u);
    EXPECT_EQ(Application::instance().forms().snapshot()[0], &second);
    first.Show();
    EXPECT_EQ(first.loads, 2);
    EXPECT_EQ(first.label.caption(), L"text");
    EXPECT_EQ(first.button.id(), buttonId);  // ids start afresh
}

TEST_F(FormRuntimeTest, TheLoopEndsWhenTheLastWindowIsUnloaded) {
    first.Show();
    second.Show();
    PostMessageW(first.hwnd(), WM_CLOSE, 0, 0);
    PostMessageW(second.hwnd(), WM_CLOSE, 0, 0);
    runMessageLoop();
    EXPECT_TRUE(Application::instance().forms().empty());
}

TEST_F(FormRuntimeTest, ModalShowDisablesTheOtherWindowsUntilUnloaded) {
    first.Show();
    bool firstEnabledWhileModal = true;
    HWND modalWindow = nullptr;
    bool modalAliveWhenReEnabled = false;
    first.onMessage = [&](UINT message, WPARAM enabled) {
        if (message == WM_ENABLE && enabled) modalAliveWhenReEnabled = IsWindow(modalWindow) != FALSE;
    };
    runInLoop([&] {
        firstEnabledWhileModal = IsWindowEnabled(first.hwnd()) != FALSE;
        modalWindow = second.hwnd();
        PostMessageW(second.hwnd(), WM_CLOSE, 0, 0);
    });
    second.Show(ShowMode::Modal);  // returns once the close has unloaded it
    EXPECT_FALSE(firstEnabledWhileModal);
    // Re-enabled before the modal window was destroyed, so activation
    // returns to this program's window.
    EXPECT_TRUE(modalAliveWhenReEnabled);
    EXPECT_FALSE(IsWindow(modalWindow));
    EXPECT_FALSE(second.isLoaded());
    EXPECT_TRUE(IsWindowEnabled(first.hwnd()));
}

TEST_F(FormRuntimeTest, BoxesAreOwnedByTheOwningWindowOnceItExistsAndBlockEveryWindow) {
    first.Show();
    msgBox(L"before");
    second.ownsBoxes = true;
    second.Show();
    bool anyEnabled = true;
    boxes.plan(MsgResult::OK, [&] { anyEnabled = IsWindowEnabled(first.hwnd()) || IsWindowEnabled(second.hwnd()); });
    msgBox(L"after");
    EXPECT_EQ(boxes.owners(), (std::vector<HWND>{nullptr, second.hwnd()}));
    EXPECT_FALSE(anyEnabled);
    EXPECT_TRUE(IsWindowEnabled(first.hwnd()) && IsWindowEnabled(second.hwnd()));
}

TEST_F(FormRuntimeTest, AccessKeyPressesTheButton) {
    first.Show();
    int presses = 0;
    first.onButton = [&] { ++presses; };
    SetFocus(first.button.hwnd());
    MSG altG{first.button.hwnd(), WM_SYSCHAR, L'g', static_cast<LPARAM>(1 | (1 << 29)), 0, {}};
    dispatchMessage(altG);
    EXPECT_EQ(presses, 1);
}

TEST_F(FormRuntimeTest, AnErrorNoHandlerTrappedIsReportedAndEndsTheProgram) {
    first.Show();
    first.onButton = [] { raiseError(err::PathNotFound); };
    SendMessageW(first.button.hwnd(), BM_CLICK, 0, 0);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].prompt, L"Run-time error '76':\r\n\r\nPath not found");
    EXPECT_EQ(boxes.boxes()[0].title, L"Glyphwright");
    EXPECT_EQ(boxes.boxes()[0].icon, MsgIcon::Critical);
    EXPECT_EQ(ends, std::vector<int>{1});
}

TEST_F(FormRuntimeTest, ALoadThatFailsLeavesNothingLoadedAndEndsTheProgram) {
    first.onLoad = [] { throw 42; };  // not even a standard exception
    second.onButton = [&] { first.Show(); };
    second.Show();
    SendMessageW(second.button.hwnd(), BM_CLICK, 0, 0);
    EXPECT_FALSE(first.isLoaded());
    EXPECT_EQ(Application::instance().forms().snapshot(), std::vector<LoadedForm*>{&second});
    EXPECT_EQ(ends, std::vector<int>{1});
}

TEST_F(FormRuntimeTest, AFormDestroyedWhileLoadedLeavesTheCollection) {
    auto form = std::make_unique<TestForm>(L"ShortLivedTestForm");
    form->Show();
    form.reset();
    EXPECT_TRUE(Application::instance().forms().empty());
}

TEST_F(FormRuntimeTest, LabelFontNameMustNotBeEmpty) {
    first.Show();
    FontSpec courier;
    courier.name = L"Courier New";
    first.label.setFont(courier);
    EXPECT_EQ(errorNumberOf([&] { first.label.setFont(FontSpec{.name = L""}); }), err::InvalidProperty);
    EXPECT_EQ(first.label.font().name, L"Courier New");
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(first.label.hwnd(), WM_GETFONT, 0, 0)), sizeof(font), &font);
    EXPECT_STREQ(font.lfFaceName, L"Courier New");
}
}  // namespace
