#pragma once
// TfmMain: the launcher's one window (window class "TfmMain"), a border-less, always-on-top tool
// window without a taskbar button that stays hidden until a trigger shows it. Built in code: the
// title bar with the lock, data-editor and close buttons, the two counters and the scrolling
// title; the button area holding the launch-button grid; the page tab strip; the context menu,
// the tray icon, the trigger timer and the folder picker. Start-up finds or makes the per-user
// data folder and data file (DataFolder.h decides), loads the data, tabs, settings and style in
// this order (a page's icons are made when it is shown, LauncherIcons.h), and closing saves
// (ClosingSaves.h decides). The machine comes in through a TLauncherEnvironment, which tests
// replace.
//
// Each chapter of the form is a file of its own; the sections below name it and hold the
// chapter's operations and the state that only it uses. State that several chapters share lies
// with the chapter whose subject it is.
#include "components/ButtonGridControls.h"
#include "components/FolderPicker.h"
#include "components/LaunchTimer.h"
#include "components/MarkButtons.h"
#include "components/PopupHint.h"
#include "components/ScrollingLabel.h"
#include "components/TabStripControls.h"
#include "components/BasePanel.h"
#include "components/TrayIcon.h"
#include "forms/win/ApplicationEvents.h"
#include "forms/win/Form.h"
#include "forms/win/Label.h"
#include "forms/win/Menus.h"
#include "forms/win/PaintBox.h"
#include "qvtdock/AutoHideSuspension.h"
#include "qvtdock/ChildPrograms.h"
#include "qvtdock/FileDrop.h"
#include "qvtdock/InputState.h"
#include "qvtdock/LauncherEnvironment.h"
#include "qvtdock/LauncherIcons.h"
#include "qvtdock/LauncherState.h"
#include "qvtdock/PageView.h"
#include "qvtdock/SlotEdits.h"
#include "qvtdock/StylePlan.h"
#include "qvtdock/TitleBarStyle.h"
#include "qvtdock/TriggerTick.h"
#include "shared/IconList.h"
#include "shared/LaunchData.h"
#include "shared/Settings.h"

#include <array>
#include <cstdint>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class TfmMain : public forms::TForm {
    // ---- The design: components and the window's shape (MainForm_win.cpp) ---------------------
public:
    // The system's environment unless one is given.
    explicit TfmMain(forms::TComponent* owner,
                     std::shared_ptr<TLauncherEnvironment> environment = nullptr);
    ~TfmMain() override;

    // The components, as the form's design names them.
    forms::TPaintBox* TitleBox = nullptr;
    TMarkBtn* LockBtn = nullptr;
    forms::TLabel* LbBtn = nullptr;
    forms::TLabel* LbCount = nullptr;
    TMarkBtn* WizBtn = nullptr;
    TMarkBtn* CloseBtn = nullptr;
    TScrlLabel* LbTitle = nullptr;
    TKTabPanel* PageTab = nullptr;
    TBasePanel* Base = nullptr;
    TQvtGrpBtns* BtnBar = nullptr;
    forms::TPopupMenu* PopupMenu1 = nullptr;
    // The menu's items in their order.
    forms::TMenuItem* mnPage = nullptr;
    forms::TMenuItem* Np = nullptr;
    forms::TMenuItem* mnBtnTitle = nullptr;
    forms::TMenuItem* mnNon1 = nullptr;
    forms::TMenuItem* mnBtnOpen = nullptr;
    forms::TMenuItem* mnBtnLinkOpen = nullptr;
    forms::TMenuItem* mnBtnProp = nullptr;
    forms::TMenuItem* N2 = nullptr;
    forms::TMenuItem* mnLink = nullptr;
    forms::TMenuItem* mnNon2 = nullptr;
    forms::TMenuItem* mnBtn = nullptr;
    forms::TMenuItem* mnNon3 = nullptr;
    forms::TMenuItem* mnLock = nullptr;
    forms::TMenuItem* mnNotuse = nullptr;
    forms::TMenuItem* mnNon4 = nullptr;
    forms::TMenuItem* mnRegData = nullptr;
    forms::TMenuItem* mnSkin = nullptr;
    forms::TMenuItem* mnCfg = nullptr;
    forms::TMenuItem* mnHelp = nullptr;
    forms::TMenuItem* mnAbout = nullptr;
    forms::TMenuItem* mnNon5 = nullptr;
    forms::TMenuItem* mnClose = nullptr;
    forms::TMenuItem* mnExit = nullptr;
    // The items of "ボタン(&B)".
    forms::TMenuItem* mnNewPage = nullptr;
    forms::TMenuItem* mnBtnAdd = nullptr;
    forms::TMenuItem* mnBtnDel = nullptr;
    forms::TMenuItem* mnBtnCls = nullptr;
    forms::TMenuItem* mnBtnsort = nullptr;
    forms::TMenuItem* N5 = nullptr;
    forms::TMenuItem* mnRegSpfolder = nullptr;
    forms::TMenuItem* mnRegFolder = nullptr;
    forms::TMenuItem* N4 = nullptr;
    forms::TMenuItem* mnSave = nullptr;
    forms::TMenuItem* N3 = nullptr;
    forms::TMenuItem* mnBtnSize = nullptr;
    forms::TMenuItem* nmFormSize = nullptr;
    forms::TMenuItem* nmFormVSize = nullptr;
    forms::TMenuItem* N1 = nullptr;
    forms::TMenuItem* mnIconStretch = nullptr;
    forms::TApplicationEvents* ApplicationEvents1 = nullptr;
    TTrayIcon* TrayIcon1 = nullptr;
    TRavoLaunchTimer* LTimer = nullptr;
    TSHBrowseForFolderEx* SHBrowseForFolderEx1 = nullptr;

protected:
    // Exactly a WS_POPUP window without caption, border or system menu; a tool window (no taskbar
    // button) that accepts dropped files; with the system's drop shadow.
    void CreateParams(forms::TCreateParams& params) override;
    void WndProc(forms::TMessage& message) override;

private:
    friend class TAutoHideSuspension;

    void BuildDesign();
    // The context menu: every item in its place, "ボタン(&B)" with its own.
    void BuildMenuDesign();

    // ---- Start-up, reload and close (MainFormStart_win.cpp) -------------------------------------
public:
    // Start-up: the data folder and file, then data, icons, tabs, settings, style and layout. A
    // start-up that cannot go on ends the application (Application.Terminate): nothing is saved.
    void FormCreate(forms::TComponent* sender);
    // Reads the data file again with everything that depends on it; a file that cannot be read
    // leaves the launcher's data as it was and says so. Then the settings (ReloadSettings) and
    // the style, as ApplySettingsAndStyle; a settings or style error reaches the caller last.
    void ReloadLaunchData();
    // One icon per slot, in the flat slot order.
    void BuildIconList();
    // Hides, stores the settings, writes the geometry keys and saves the data file, each on its
    // own; the close is always allowed.
    void FormCloseQuery(forms::TComponent* sender, bool& canClose);
    void FormDestroy(forms::TComponent* sender);
    // "K+Bandeoの終了(&X)": closes the form, which ends the program.
    void mnCloseClick(forms::TComponent* sender);
    // "データー保存(&E)": saves the data file.
    void mnSaveClick(forms::TComponent* sender);

    // What start-up found and holds.
    [[nodiscard]] const std::string& ProgramFolder() const { return programFolder_; }
    [[nodiscard]] const std::string& DataFolder() const { return FDataFolder; }
    [[nodiscard]] TLaunchList& LaunchList() const { return *FLaunchList; }
    [[nodiscard]] TIconList& IconList() const { return *FIconList; }
    // Which entries of the icon list have their icons, and the making of them.
    [[nodiscard]] TLauncherIcons& Icons() const { return *icons_; }
    // Start-up read the data file, and the settings file, and has not ended early.
    [[nodiscard]] bool DataLoaded() const { return dataLoaded_; }
    [[nodiscard]] bool SettingsLoaded() const { return settingsLoaded_; }

private:
    // Start-up after the components are built; raises what escapes it.
    void StartUp();
    // The data folder and, on a first run, the data file; false when start-up ends.
    bool PrepareDataFolder();
    void FillPageTabs();
    // Start-up ends here: the application terminates, nothing is saved.
    void EndStartUp();

    std::shared_ptr<TLauncherEnvironment> environment_;
    std::string programFolder_;
    bool dataLoaded_ = false;
    bool settingsLoaded_ = false;
    std::string FDataFolder;
    std::unique_ptr<TLaunchList> FLaunchList;
    std::unique_ptr<TIconList> FIconList;
    // Makes and gives back the icons of FIconList; goes before it.
    std::unique_ptr<TLauncherIcons> icons_;

    // ---- Window state (MainFormWindowState_win.cpp) ---------------------------------------------
public:
    // Moves the window for a show: mode 0 where it is, 1 at the pointer, other values centred on
    // the screen; with clamp inside the work area. The pointer may follow (the Revision
    // settings).
    void PlaceWindow(int mode, bool clamp);
    // Makes the launcher the foreground window and focuses the button bar.
    void ForceForeground();
    void SetTopMost(bool on);
    // The bracket of every menu, dialog and child program of the launcher; use
    // TAutoHideSuspension (AutoHideSuspension.h) rather than these two.
    void SuspendAutoHide();
    void ResumeAutoHide();
    // The lock button, and "ランチャーをロック(&L)": toggle the lock.
    void TitleBarLockBtnClick(forms::TComponent* sender);
    void mnLockClick(forms::TComponent* sender);
    // The pointer came onto the lock button.
    void LockBtnEnter(forms::TComponent* sender);
    // "ランチャー呼び出し不可(&N)": toggles calling disabled.
    void mnNotuseClick(forms::TComponent* sender);
    void FormShow(forms::TComponent* sender);
    void FormHide(forms::TComponent* sender);
    void FormActivate(forms::TComponent* sender);
    void ApplicationEvents1Activate(forms::TComponent* sender);
    // Focus loss: the clock, or the window hides.
    void ApplicationEvents1Deactivate(forms::TComponent* sender);
    // The pointer-leave auto-hide, first thing on every trigger tick: true when it hid the
    // window.
    bool PointerLeaveAutoHide();
    // The window under the pointer is a pop-up hint ("TRvHint").
    [[nodiscard]] bool IsCursorOnHintWindow() const;
    // Shows the form and then takes the foreground, which a window not yet visible cannot.
    void SetVisible(bool visible) override;

    [[nodiscard]] bool TopMost() const { return state_.TopMost(); }
    // Locked, calling disabled, auto-hide armed, and what the tray shows.
    [[nodiscard]] const TLauncherState& WindowState() const { return state_; }

protected:
    void WMWindowPosChanged(forms::TMessage& message);

private:
    // The window-state menu items and the form's show, hide and activation handlers.
    void BuildWindowStateDesign();
    // The window's place in the z-order as state_ says.
    void ApplyTopMost();
    // The lock's signs on the title bar and in the menu.
    void ShowLockSigns();
    void ShowTrayImage(TTrayImage image);
    // The title label and the counters shown as the settings say.
    void ShowTitleParts();
    void ShowTitleTime();

    // Locked, calling disabled, auto-hide armed, topmost.
    TLauncherState state_;
    // The topmost restore of a window-position change is under way.
    bool restoringTopMost_ = false;

    // ---- Pop-up triggers (MainFormTriggers_win.cpp) ---------------------------------------------
public:
    // The global hot key that shows and hides the launcher.
    static constexpr int kShowHotKeyId = 993;
    // Registers the hot key of a [Key] Show text (HotKeyText.h) in place of the last one; a text
    // the system refuses leaves the launcher without a hot key.
    void RegisterShowHotKey(const std::string& text);
    void UnregisterShowHotKey();
    // Shows the hidden window when the pointer rests in an enabled screen-edge zone and no main
    // mouse button is held; true when it did.
    bool CheckScreenEdgePopup();
    // A single click on the tray icon shows or hides the window.
    void TrayIcon1Click(forms::TComponent* sender);
    // Every 100 ms: pointer-leave auto-hide, the pop-up hint, the screen edges and the launch
    // combination (TriggerTick.h).
    void LTimerTimer(forms::TComponent* sender);

protected:
    void WMPowerBroadcast(forms::TMessage& message);
    void WMHotKey(forms::TMessage& message);

private:
    // The mouse trigger's hold of the launch combination, kept between ticks.
    THoldState hold_;
    bool FShownByHotKey = false;
    int FPowerCount = 0;

    // ---- Layout, title bar and page view (MainFormLayout_win.cpp) -------------------------------
public:
    // Sizes the window and its bands from the button size, the buttons per row, the rows, the
    // page's buttons and the tabs.
    void ArrangeLayout();
    // Places the title bar's buttons, counters and title (not for a style that places them).
    void ArrangeTitleBar();
    // Loads the current page's icons into the bar, without showing the steps; the bar goes back
    // to its start. Redrawing comes back on every way out.
    void ShowPageButtons();
    // The first button of the current page, shown from the start, with its counters and title.
    void ResetPageView();
    // The counters, the title and the pop-up hint of the selected button; with no button
    // selected (SelectedSlot) the title is empty and no hint shows.
    void UpdateTitleInfo();
    // What a button says of itself in the title and in hints (ComposeButtonText, TitleText.h).
    [[nodiscard]] std::string ComposeButtonText(int page, int slot, bool withComment,
                                                bool withPage) const;
    // The selected button of the current page, or none (PageView.h). Every command that acts on
    // the selected button takes it from here.
    [[nodiscard]] std::optional<TSelectedSlot> SelectedSlot() const;
    // The page list ("ページリスト(&P)"): one radio item per tab, the current one checked.
    void BuildPageMenu();
    void PageMenuClick(forms::TComponent* sender);
    // The tab strip's OnChange.
    void PageTabChange(forms::TComponent* sender);
    void TitleBoxPaint(forms::TComponent* sender);
    // The button area below a page that has fewer rows than the window.
    void BasePaint(forms::TComponent* sender);
    void FormResize(forms::TComponent* sender);
    // The leftmost visible button of a single-row bar.
    [[nodiscard]] int FirstVisibleBtn() const { return FFirstVisibleBtn; }

private:
    // The current page's icons, for a window about to show it.
    void MakeShownPageIcons();

    // The leftmost visible button of a single-row bar.
    int FFirstVisibleBtn = 0;

    // ---- Settings and style (MainFormSettings_win.cpp) ------------------------------------------
public:
    void ApplySettings();
    // Every reload of the settings runs this: ApplySettings, LoadStyle(long program folder +
    // StyleFile) and ApplyCustomColors (withStyle), and the layout; a style that cannot be read
    // leaves the look as it was, and its error reaches the caller after the layout.
    void ApplySettingsAndStyle(bool withStyle = true);
    // The style (withStyle: LoadStyle and ApplyCustomColors), the page's buttons and the layout,
    // with the title bar when asked; a style error reaches the caller after the layout.
    void ReloadStyleAndPage(bool withStyle, bool withTitleBar);
    // Reads the settings file into a copy that is adopted only when the whole file was read (a
    // bad value would leave the record half loaded); the read's error is returned, not raised.
    [[nodiscard]] std::exception_ptr ReloadSettings();
    // Loads the style file fileName (a full path) and applies it. One that fails the style test
    // gives the program folder's "format.sti", and StyleFile says so in memory; an open or read
    // error raises before anything on screen changes.
    void LoadStyle(const std::string& fileName);
    void ApplyCustomColors();
    // The [PopupHint] settings onto the pop-up hint.
    void ConfigureHintSetter();
    void StoreSettings();
    void StoreHintSettings();
    // The style's type as the last load read it: 0 plain, 1 with a look of its own, above 1 also
    // placing the title bar's controls.
    [[nodiscard]] int StyleType() const { return FStyleType; }
    [[nodiscard]] const TAppCfg& Cfg() const { return FCfg; }
    [[nodiscard]] THintSetter* HintSetter() const { return FHintSetter; }
    [[nodiscard]] TTitleBarStyle& TitleBarStyle() const { return *FTitleBarStyle; }

private:
    // A style read whole onto the controls: skins off, then the glyphs, skins, colours and fonts.
    void ApplyStyle(const TStiData& data,
                    std::array<std::unique_ptr<forms::TBitmap>, kStyleGlyphCount>& glyphs);
    // The built-in style without glyphs, for a start-up whose style could not be read.
    void UseBuiltInStyle();
    void ApplyLauncherColors(const TLauncherColors& colors);
    // The folder of the program's long path, with a trailing backslash.
    [[nodiscard]] std::string LongProgramFolder() const;

    TAppCfg FCfg;
    THintSetter* FHintSetter = nullptr;
    // Written by the style, painted by the layout.
    std::unique_ptr<TTitleBarStyle> FTitleBarStyle;
    int FStyleType = 0;

    // ---- Input and actions (MainFormInput_win.cpp) ----------------------------------------------
public:
    // Runs action 0 to 16 of the settings; any other number does nothing.
    void DoAction(int32_t action);
    // Moves the selection by a signed step (positive: towards the start), wrapping at the ends
    // when asked, and keeps it in view; a bar of several rows follows with its rows instead.
    void MoveSelection(int32_t step, bool wrap);
    // A bar of one row: shifts it by whole screens so that the selection, which moved by a step
    // of this sign (negative: forwards), is in view.
    void ScrollToSelection(int32_t step);
    // A bar of several rows: one row down or up (byRow), or as far as the selection needs.
    void ScrollRows(bool down, bool byRow);
    // The first row of the bar in view.
    [[nodiscard]] int FirstVisibleRow() const;
    // The close button and "ランチャーを閉じる(&Q)": hides the launcher, not while it is locked.
    void mnExitClick(forms::TComponent* sender);
    // The form, its title bar, labels and button area: a press, a move (which may drag the
    // window by the title bar) and a release, which runs the button's action.
    void FormMouseDown(forms::TComponent* sender, forms::TMouseButton button,
                       forms::TShiftState shift, int x, int y);
    void FormMouseMove(forms::TComponent* sender, forms::TShiftState shift, int x, int y);
    void FormMouseUp(forms::TComponent* sender, forms::TMouseButton button,
                     forms::TShiftState shift, int x, int y);
    // A button of the bar: a left release runs it, a right release opens the menu.
    void BtnBarMouseDown(forms::TComponent* sender, forms::TMouseButton button,
                         forms::TShiftState shift, int x, int y);
    void BtnBarMouseUp(forms::TComponent* sender, forms::TMouseButton button,
                       forms::TShiftState shift, int x, int y);
    void BtnBarMouseMove(forms::TComponent* sender, forms::TShiftState shift, int x, int y);
    // The bar's cells behind the page's last button belong to the form.
    void BtnBarNoneBtnMouseDown(forms::TComponent* sender, forms::TMouseButton button,
                                forms::TShiftState shift, int x, int y);
    void BtnBarNoneBtnMouseUp(forms::TComponent* sender, forms::TMouseButton button,
                              forms::TShiftState shift, int x, int y);
    void BtnBarNoneBtnMouseMove(forms::TComponent* sender, forms::TShiftState shift, int x, int y);
    // The wheel that MoveSelection handed to a bar of several rows.
    void BtnBarBtnMouseWheel(forms::TComponent* sender, int wheelDelta);
    void PageTabMouseDown(forms::TComponent* sender, forms::TMouseButton button,
                          forms::TShiftState shift, int x, int y);
    void PageTabMouseUp(forms::TComponent* sender, forms::TMouseButton button,
                        forms::TShiftState shift, int x, int y);
    // The pop-up hint window: as the form, without the drag.
    void HintWindowMouseDown(forms::TComponent* sender, forms::TMouseButton button,
                             forms::TShiftState shift, int x, int y);
    void HintWindowMouseUp(forms::TComponent* sender, forms::TMouseButton button,
                           forms::TShiftState shift, int x, int y);
    // A release on the hint's icon square, which the hint hands to its link and not to
    // OnMouseUp: it ends the held button all the same, and runs nothing.
    void HintWindowLinkClick(forms::TComponent* sender, forms::TMouseButton button,
                             forms::TShiftState shift, int x, int y);
    // The extra mouse buttons, while the window is shown and no child program runs.
    void LTimerMouse4BtnClick(forms::TComponent* sender);
    void LTimerMouse5BtnClick(forms::TComponent* sender);
    // The run and hide keys on their press; the menu, lock and page keys and the arrows' scrolling
    // on their release.
    void FormKeyDown(forms::TComponent* sender, uint16_t& key, forms::TShiftState shift);
    void FormKeyUp(forms::TComponent* sender, uint16_t& key, forms::TShiftState shift);
    // The application's message filter: the wheel over the launcher runs the wheel's actions.
    void ApplicationEvents1Message(MSG& msg, bool& handled);
    // Which button is held where, and where the menu was asked for.
    [[nodiscard]] const TInputState& InputState() const { return input_; }

private:
    // The input handlers on the form and its controls, and "ランチャーを閉じる(&Q)".
    void BuildInputDesign();
    // The pop-up hint window's presses and releases reach the form.
    void BindHintWindowMouse();
    // The wheel over the launcher: the action of the wheel, alone or with the held button.
    void WheelMessage(const MSG& msg, bool& handled);
    // The wheel message is for the launcher window, one of its controls or its pop-up hint, and
    // no dialog or child program of the launcher is open.
    [[nodiscard]] bool WheelIsForLauncher(HWND target);
    // Runs what a release came to.
    void RunRelease(const TReleaseOutcome& outcome);
    // The context menu at a screen point, with auto-hide suspended while it is open.
    void PopupMenuAt(forms::TPoint p);
    // Shows the page of the tab (none: nothing) from its first button.
    void ShowPage(std::optional<int> tab);
    // Buttons of the current page, and whether a row of the bar shows them all.
    [[nodiscard]] int PageButtonCount() const;
    [[nodiscard]] bool AllButtonsVisible() const;
    // The bar has more than one row.
    [[nodiscard]] bool MultiRowBar() const { return FCfg.RowMax > 1; }
    // The window drag by the pointer from client point (x, y) of the pressed control.
    void DragWindow(int x, int y);

    // The held button, the wheel turned while it was held, the window drag armed, where the
    // context menu was asked for, the menu key, the last pointer point and the wheel message
    // being dispatched.
    TInputState input_;

    // ---- Running the selected button and its commands (MainFormLaunch_win.cpp) ------------------
public:
    void LaunchButton(int32_t page, int32_t slot, uint8_t verb = 0);
    void mnBtnOpenClick(forms::TComponent* sender);
    void mnBtnLinkOpenClick(forms::TComponent* sender);
    void mnBtnPropClick(forms::TComponent* sender);
    // Refills "コマンド(&C)" for the selected button.
    void BuildCommandMenu();
    // The command list's entries: a command by its tag on its hint, a URL, a mail address.
    void CommandMenuClick(forms::TComponent* sender);
    void UrlMenuClick(forms::TComponent* sender);
    void MailMenuClick(forms::TComponent* sender);
    // Carries out a command code (CommandMenu.h) on path, or on the special folder named rootName.
    void RunCommand(int32_t code, const std::string& path, const std::string& rootName);
    // Opens a URL with the default handler or the configured browser (escaped, so that it is one
    // argument); the shell's result.
    int32_t OpenUrl(const std::string& url);

    // ---- Files dropped onto the launcher (MainFormDrop_win.cpp) ---------------------------------
public:
    // The WM_DROPFILES half of the application's message filter.
    void DropFilesMessage(MSG& msg, bool& handled);
    // A drop onto the registered slot with the files of the drop being handled; true when it was
    // carried out.
    bool DropOnItem(int page, int slot);
    // The user chooses copy, move or shortcuts of the dropped files into target, and it is done.
    bool DropToFolder(const std::string& title, const std::string& target);
    // 0 copy, 1 move, 2 shortcuts; -1 when cancelled.
    int ChooseDropAction(const std::string& message);
    // Shortcuts to the files in target, or in the special folder without one (FileDrop.h).
    bool CreateShortcuts(const std::vector<std::string>& files, TRootFolder folder,
                         const std::string& target);

private:
    // The cell of the bar that a drop was aimed at: a button of the current page under the drop
    // point in the launcher's own window; none for the pop-up hint and the rest of the window.
    [[nodiscard]] std::optional<int> DropCell(const MSG& msg);
    // Registers the dropped path in the empty slot after the user's Yes.
    void RegisterDroppedPath(int page, int slot, const std::string& file);
    // Copies, moves or links the dropped files into a folder as the plan says.
    bool DropIntoFolder(const TDropPlan& plan);
    // Opens what received a drop, as the plan names it.
    void OpenDropTarget(const TDropPlan& plan);

    TDropSession drop_;

    // ---- The context menu and the editing commands (MainFormEditing_win.cpp) --------------------
public:
    void PopupMenu1Popup(forms::TComponent* sender);
    void mnNewPageClick(forms::TComponent* sender);
    void mnBtnAddClick(forms::TComponent* sender);
    void mnBtnDelClick(forms::TComponent* sender);
    void mnBtnClsClick(forms::TComponent* sender);
    void mnBtnsortClick(forms::TComponent* sender);
    void mnRegSpfolderClick(forms::TComponent* sender);
    void mnRegFolderClick(forms::TComponent* sender);
    void mnBtnSizeClick(forms::TComponent* sender);
    void nmFormSizeClick(forms::TComponent* sender);
    void nmFormVSizeClick(forms::TComponent* sender);
    void mnIconStretchClick(forms::TComponent* sender);
    // The choice dialogs of the sort and the special-folder registration: the chosen index, or
    // -1 on cancel.
    int ChooseSortOrder();
    int ChooseSpecialFolder();

private:
    // The size settings' dialogs and the reload that a new size needs; a style error reaches the
    // caller after the new size is laid out and the hint shown again.
    void EditSizeSetting(TSizeSetting setting);

    // ---- The child programs, help and the About box (MainFormPrograms_win.cpp) ------------------
public:
    void mnRegDataClick(forms::TComponent* sender);
    void mnSkinClick(forms::TComponent* sender);
    void mnCfgClick(forms::TComponent* sender);
    void mnHelpClick(forms::TComponent* sender);
    void mnAboutClick(forms::TComponent* sender);
    // Starts a child program, hidden from it (window and tray icon), and waits for its end; true
    // when it was started. One that cannot be started is reported with its error message. A
    // child that started counts as started whatever the tray does: when the shell refuses the
    // icon back, trayError gets its error, for the caller to report after taking up the child's
    // work.
    bool RunHelperProgram(TChildProgram kind, std::exception_ptr& trayError);

private:
    // The child programs' bracket: auto-hide suspended, busy, the message filter detached; each
    // given back on every way out (ChildPrograms.h).
    [[nodiscard]] std::vector<TBracketStep>
    BusySteps(std::optional<TAutoHideSuspension>& suspension);
    // The settings or style editor, from the geometry written before it to the settings taken
    // up after it.
    void RunConfigProgram(TChildProgram kind);
    // Takes up the settings file a child program may have changed: read into a copy that is
    // adopted only when the whole file read, then applied with the style (withStyle), the page's
    // buttons and the layout.
    void TakeUpSettings(bool withStyle);
    // Hides the pop-up hint and shows it again for the selected button, when the settings use it.
    void RenewButtonHint();

    // A child program or the About box runs.
    bool FBusy = false;
    // The message filter while it is detached.
    forms::TMessageEvent detachedFilter_;

    // ---- Hints (MainFormHints_win.cpp) ----------------------------------------------------------
public:
    void ApplicationEvents1ShowHint(std::string& hintText, bool& canShow, forms::THintInfo& info);
    // The selected button's pop-up hint.
    void ShowButtonHint();
    // The control lies on the launcher's own window.
    [[nodiscard]] bool OnLauncherForm(const forms::TControl* control) const;
    // The hint below the window at (x, y), or above it when that leaves the work area.
    void PlaceHintBelowForm(int x, int y, int width, int maxHeight);
};
