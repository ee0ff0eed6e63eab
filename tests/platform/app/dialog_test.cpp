#include "platform/app/command_ids.h"
#include "platform/app/dialog.h"
#include "platform/app/win_constants.h"
#include "platform/app/property_sheet.h"
#include "platform/app/wnd_state.h"
#include "platform/core/test_ui_host.h"
#include "platform/qt_host/qt_ui_host.h"
#include "qt_scroll_actions.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {

using plat::ControlKind;

constexpr unsigned kDlg = 500;
constexpr unsigned kEdit = 1031, kList = 404, kCombo = 204, kCheck = 326, kRadioA = 724, kRadioB = 725,
                   kRadioC = 727, kOther = 730, kApply = 33;
constexpr unsigned kScrollDlg = 501, kBar = 910;
constexpr unsigned kGroupDlg = 502, kUnits = 940, kSwatch = 941;
constexpr unsigned kToolbarDlg = 503, kToolbar = 503, kToolCommand = 32001;

void registerDialogs()
{
    plat::ResourceSet set;
    set.dialogs.push_back({kDlg,
                           "Setup",
                           {{kEdit, ControlKind::Edit, "", -1, 0, 1, false, 0, 0, 0, 0, 20},
                            {kList, ControlKind::ListBox, "", -1, 0, 1, false, plat::kCsSorted},
                            {kCombo, ControlKind::ComboDropList},
                            {kCheck, ControlKind::CheckBox, "&Snap"},
                            {kRadioA, ControlKind::RadioButton, "Inches", -1, 0, 1, true},
                            {kRadioB, ControlKind::RadioButton, "mm"},
                            {kRadioC, ControlKind::RadioButton, "mils"},
                            {kOther, ControlKind::RadioButton, "Other group", -1, 0, 1, true},
                            {kApply, ControlKind::PushButton, "Apply"},
                            {plat::kIdOk, ControlKind::DefPushButton, "OK"},
                            {plat::kIdCancel, ControlKind::PushButton, "Cancel"}}});
    set.dialogs.push_back({kScrollDlg, "Zoom", {{kBar, ControlKind::ScrollBarV}}});
    set.dialogs.push_back({kGroupDlg,
                           "Units",
                           {{.id = kUnits, .kind = ControlKind::GroupBox, .text = "Units", .row = 0, .span = 2, .rowSpan = 2},
                            {.id = kRadioA, .kind = ControlKind::RadioButton, .text = "English", .row = 1, .group = true},
                            {.id = kRadioB, .kind = ControlKind::RadioButton, .text = "Metric", .row = 1, .column = 1},
                            {.id = kCheck, .kind = ControlKind::CheckBox, .text = "Below the box", .row = 2, .span = 2},
                            {.id = kSwatch, .kind = ControlKind::StaticFrame, .row = 3, .column = 1, .style = plat::kCsFixedSize,
                             .width = 16, .height = 10},
                            {.id = kOther, .kind = ControlKind::RadioButton, .text = "A wide neighbour of the swatch", .row = 4, .column = 1}}});
    set.dialogs.push_back({.id = kToolbarDlg, .title = "Editor", .controls = {{kEdit, ControlKind::Edit}}, .toolbar = kToolbar});
    set.toolbars.push_back({kToolbar, {kToolCommand}});
    for (unsigned id : {600u, 601u, 602u})
        set.dialogs.push_back({id, "Page " + std::to_string(id), {{kEdit, ControlKind::Edit}}});
    plat::registerResources(std::move(set));
}

class SetupDlg : public plat::Dialog {
public:
    SetupDlg() : plat::Dialog(kDlg)
    {
        onNotify(kEdit, plat::kEnChange, &SetupDlg::OnEditChange);
        onNotify(kList, plat::kLbnSelChange, &SetupDlg::OnListChange);
        onCommand(kApply, &SetupDlg::OnApply);
        onCommand(kRadioB, &SetupDlg::OnMillimetres);
    }
    bool OnInitDialog() override
    {
        SetDlgItemText(kEdit, "10");
        for (const char* s : {"pear", "Apple", "banana"})
            GetDlgItem(kList)->AddString(s);
        CheckRadioButton(kRadioA, kRadioC, kRadioA);
        return true;
    }
    void OnOK() override
    {
        threshold = GetDlgItemInt(kEdit);
        plat::Dialog::OnOK();
    }
    void OnEditChange() { events.push_back("edit " + GetDlgItemText(kEdit)); }
    void OnListChange() { events.push_back("list " + std::to_string(GetDlgItem(kList)->GetCurSel())); }
    void OnApply() { events.push_back("apply"); }
    void OnMillimetres() { events.push_back("mm"); }

    int threshold = -1;
    std::vector<std::string> events;
};

TEST(Dialogs, ScriptDrivesAModalDialog)
{
    registerDialogs();
    plat::TestUiHost host;
    SetupDlg dlg;
    host.answerDialog([](plat::Dialog& d) {
        EXPECT_EQ(d.GetDlgItemText(kEdit), "10");
        d.TypeDlgItemText(kEdit, "25");
        return d.PressButton(plat::kIdOk);
    });
    EXPECT_EQ(dlg.DoModal(), plat::kIdOk);
    EXPECT_EQ(dlg.threshold, 25);
    EXPECT_TRUE(host.shown("dialog 500"));
    EXPECT_EQ(dlg.events, (std::vector<std::string>{"edit 10", "edit 25"}));

    // Without a script the dialog is cancelled; a missing template fails.
    SetupDlg again;
    EXPECT_EQ(again.DoModal(), plat::kIdCancel);
    plat::Dialog missing(9999);
    EXPECT_EQ(missing.DoModal(), -1);
}

TEST(Dialogs, ControlsChangedFromCodeNotifyOnlyForEdits)
{
    registerDialogs();
    plat::TestUiHost host;
    SetupDlg dlg;
    host.answerDialog([&](plat::Dialog& d) {
        dlg.events.clear();
        plat::Control* list = d.GetDlgItem(kList);
        list->SetCurSel(1);
        d.CheckDlgButton(kCheck, 1);
        d.CheckRadioButton(kRadioA, kRadioC, kRadioC);
        EXPECT_TRUE(dlg.events.empty());
        d.SetDlgItemInt(kEdit, -7);
        d.ChooseDlgItem(kList, 2);
        EXPECT_EQ(dlg.events, (std::vector<std::string>{"edit -7", "list 2"}));
        return d.PressButton(plat::kIdCancel);
    });
    EXPECT_EQ(dlg.DoModal(), plat::kIdCancel);
    EXPECT_EQ(dlg.threshold, -1) << "Cancel does not store";
}

TEST(Dialogs, ListsButtonsAndNumbersBehaveLikeThePlatformsControls)
{
    registerDialogs();
    plat::TestUiHost host;
    SetupDlg dlg;
    host.answerDialog([&](plat::Dialog& d) {
        plat::Control* list = d.GetDlgItem(kList);
        // The sorted list keeps case-insensitive order; searches are case-insensitive prefixes
        // that start after the given index and wrap round.
        EXPECT_EQ(list->GetItemText(0), "Apple");
        EXPECT_EQ(list->GetItemText(2), "pear");
        EXPECT_EQ(list->FindString(-1, "BAN"), 1);
        EXPECT_EQ(list->FindString(1, "a"), 0);
        EXPECT_EQ(list->FindString(-1, "kiwi"), plat::kLbErr);
        EXPECT_EQ(list->SetCurSel(7), plat::kLbErr);
        plat::Control* combo = d.GetDlgItem(kCombo);
        for (const char* s : {"zeta", "Alpha"})
            combo->AddString(s);
        EXPECT_EQ(combo->GetItemText(0), "zeta") << "lists are unsorted unless asked";
        combo->SetCurSel(1);
        EXPECT_EQ(d.GetDlgItemText(kCombo), "Alpha");

        struct Number {
            const char* text;
            int value;
            bool ok;
        };
        for (const Number& n : {Number{"  42abc", 42, true}, Number{"-12", -12, true}, Number{"+5", 5, true},
                                Number{"abc", 0, false}, Number{"", 0, false}, Number{"99999999999", 2147483647, true}}) {
            SCOPED_TRACE(n.text);
            d.SetDlgItemText(kEdit, n.text);
            bool ok = false;
            EXPECT_EQ(d.GetDlgItemInt(kEdit, &ok), n.value);
            EXPECT_EQ(ok, n.ok);
        }
        d.SetDlgItemText(kEdit, "123456789012345678901234567890");
        EXPECT_EQ(d.GetDlgItemText(kEdit).size(), 20u) << "the edit's limit";
        EXPECT_EQ(d.GetDlgItemText(kEdit, 5), "12345");

        // A click on a radio button clears the rest of its group only.
        d.CheckDlgButton(kOther, 1);
        d.PressButton(kRadioB);
        EXPECT_EQ(d.GetCheckedRadioButton(kRadioA, kRadioC), kRadioB);
        EXPECT_EQ(d.IsDlgButtonChecked(kRadioA), 0);
        EXPECT_EQ(d.IsDlgButtonChecked(kOther), 1);
        EXPECT_EQ(d.IsDlgButtonChecked(1000), 0) << "a missing control reads unchecked";
        d.PressButton(kCheck);
        EXPECT_EQ(d.IsDlgButtonChecked(kCheck), 1);
        // A disabled button cannot be pressed.
        d.EnableDlgItem(kApply, false);
        EXPECT_EQ(d.PressButton(kApply), -1);
        d.EnableDlgItem(kApply, true);
        d.PressButton(kApply);
        return d.PressButton(plat::kIdOk);
    });
    EXPECT_EQ(dlg.DoModal(), plat::kIdOk);
    EXPECT_EQ(dlg.events, (std::vector<std::string>{"edit 10", "edit   42abc", "edit -12", "edit +5", "edit abc", "edit ",
                                                    "edit 99999999999", "edit 12345678901234567890", "mm", "apply"}));
}

class Page : public plat::PropertyPage {
public:
    Page(unsigned id, std::vector<std::string>& log) : plat::PropertyPage(id), log_(log) {}
    bool OnInitDialog() override
    {
        log_.push_back("init " + std::to_string(templateId()));
        SetDlgItemText(kEdit, std::to_string(templateId()));
        return true;
    }
    void OnOK() override { log_.push_back("ok " + std::to_string(templateId()) + " " + GetDlgItemText(kEdit)); }
    long OnWizardNext() override { return templateId() == 600 ? 602 : 0; }   // the first page skips the second
    std::vector<std::string>& log_;
};

TEST(Dialogs, PropertySheetsCreateVisitedPagesAndApplyOnlyThem)
{
    registerDialogs();
    plat::TestUiHost host;
    std::vector<std::string> log;
    Page a(600, log), b(601, log), c(602, log);
    plat::PropertySheet sheet("General Setup");
    sheet.AddPage(&a);
    sheet.AddPage(&b);
    sheet.AddPage(&c);
    sheet.SetActivePage(2);
    host.answerDialog([&](plat::Dialog&) {
        EXPECT_EQ(log, std::vector<std::string>{"init 602"});
        sheet.SetActivePage(0);
        a.SetDlgItemText(kEdit, "changed");
        return sheet.PressButton(plat::kIdOk);
    });
    EXPECT_EQ(sheet.DoModal(), plat::kIdOk);
    EXPECT_EQ(log, (std::vector<std::string>{"init 602", "init 600", "ok 600 changed", "ok 602 602"}));

    // Wizard: Next follows the page's answer.
    log.clear();
    plat::PropertySheet wizard("Library Part Wizard");
    wizard.AddPage(&a);
    wizard.AddPage(&b);
    wizard.AddPage(&c);
    wizard.SetWizardMode();
    host.answerDialog([&](plat::Dialog&) {
        wizard.PressButton(plat::kIdWizNext);
        EXPECT_EQ(wizard.GetActivePage(), &c);
        wizard.PressButton(plat::kIdWizBack);
        EXPECT_EQ(wizard.GetActivePage(), &b);
        return wizard.PressButton(plat::kIdWizFinish);
    });
    EXPECT_EQ(wizard.DoModal(), static_cast<int>(plat::kIdWizFinish));
    EXPECT_EQ(log, (std::vector<std::string>{"init 600", "init 602", "init 601", "ok 600 600", "ok 601 601", "ok 602 602"}));
}

}  // namespace

namespace {

// Dialogs shown modeless with their Qt face, under the test host.
struct QtDialogs : ::testing::Test {
    void SetUp() override { registerDialogs(); }
    // Creates the dialog and builds its widgets; false when it cannot be created.
    static bool show(plat::Dialog& dlg, unsigned templateId)
    {
        if (!dlg.Create(templateId))
            return false;
        plat::showModelessWithQt(dlg);
        return true;
    }
    template <typename Widget>
    static Widget* widgetOf(plat::Dialog& dlg, unsigned id)
    {
        return qobject_cast<Widget*>(dlg.GetDlgItem(id)->state()->widget.data());
    }
    plat::TestUiHost host;
};

// The Qt face shows the same model: code changes reach the widgets, typing reaches the model.
TEST_F(QtDialogs, FaceFollowsTheModelBothWays)
{
    SetupDlg dlg;
    ASSERT_TRUE(show(dlg, kDlg));
    auto* edit = widgetOf<QLineEdit>(dlg, kEdit);
    auto* list = widgetOf<QListWidget>(dlg, kList);
    ASSERT_NE(edit, nullptr);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(edit->text(), "10");
    EXPECT_EQ(list->count(), 3);
    dlg.SetDlgItemText(kEdit, "12");
    EXPECT_EQ(edit->text(), "12");
    dlg.events.clear();
    edit->setText("30");
    emit edit->textEdited("30");   // as typing reports it
    EXPECT_EQ(dlg.GetDlgItemText(kEdit), "30");
    EXPECT_EQ(dlg.events, std::vector<std::string>{"edit 30"});
    dlg.GetDlgItem(kList)->SetCurSel(2);
    EXPECT_EQ(list->currentRow(), 2);
    EXPECT_EQ(dlg.events.size(), 1u) << "selection from code notifies nothing";
    dlg.EnableDlgItem(kEdit, false);
    EXPECT_FALSE(edit->isEnabled());
    dlg.DestroyWindow();
}

// A group box that covers the rows below it holds their controls inside its frame; a swatch of
// fixed size keeps its size beside wider controls.
TEST_F(QtDialogs, GroupBoxesEncloseTheirRowsAndSwatchesKeepTheirSize)
{
    plat::Dialog dlg(kGroupDlg);
    ASSERT_TRUE(show(dlg, kGroupDlg));
    auto* box = widgetOf<QGroupBox>(dlg, kUnits);
    ASSERT_NE(box, nullptr);
    QWidget* face = box->window();
    face->adjustSize();
    face->layout()->activate();
    for (const unsigned id : {kRadioA, kRadioB}) {
        SCOPED_TRACE(id);
        QWidget* radio = dlg.GetDlgItem(id)->state()->widget.data();
        EXPECT_EQ(radio->parentWidget(), box);
        EXPECT_TRUE(box->contentsRect().contains(radio->geometry())) << "inside the frame";
    }
    QWidget* below = dlg.GetDlgItem(kCheck)->state()->widget.data();
    EXPECT_EQ(below->parentWidget(), face);
    EXPECT_GE(below->geometry().top(), box->geometry().bottom());
    QWidget* swatch = dlg.GetDlgItem(kSwatch)->state()->widget.data();
    QWidget* neighbour = dlg.GetDlgItem(kOther)->state()->widget.data();
    EXPECT_EQ(swatch->size(), swatch->minimumSize());
    EXPECT_LT(swatch->width(), neighbour->width());
    dlg.DestroyWindow();
}

// A dialog that keeps the scroll codes its scroll bar sends.
class ScrollDlg : public plat::Dialog {
public:
    ScrollDlg() : plat::Dialog(kScrollDlg) {}
    void OnVScroll(unsigned code, unsigned, plat::Control* bar) override
    {
        EXPECT_EQ(bar, GetDlgItem(kBar));
        codes.push_back(code);
    }
    std::vector<unsigned> codes;
};

// An arrow, page or end action on the Qt scroll bar is one whole scroll: its code, then the end.
TEST_F(QtDialogs, ScrollBarSendsTheScrollOfEachAction)
{
    ScrollDlg dlg;
    ASSERT_TRUE(show(dlg, kScrollDlg));
    auto* bar = widgetOf<QScrollBar>(dlg, kBar);
    ASSERT_NE(bar, nullptr);
    for (const auto& [action, code] : kQtScrollActions) {
        SCOPED_TRACE(code);
        dlg.codes.clear();
        bar->triggerAction(action);
        EXPECT_EQ(dlg.codes, (std::vector<unsigned>{code, plat::kSbEndScroll}));
        EXPECT_EQ(bar->sliderPosition(), dlg.GetDlgItem(kBar)->GetPos()) << "the bar shows the control's position";
    }
    dlg.DestroyWindow();
}

// A dialog that keeps what its toolbar tells it about the pointer.
class ToolbarDlg : public plat::Dialog {
public:
    ToolbarDlg() : plat::Dialog(kToolbarDlg) {}
    void OnToolbarPointer(unsigned commandId) override { pointedAt.push_back(commandId); }
    std::vector<unsigned> pointedAt;
};

// The pointer on a toolbar button names its command to the dialog; leaving the bar names none.
TEST_F(QtDialogs, ToolbarTellsTheDialogWhereThePointerRests)
{
    ToolbarDlg dlg;
    ASSERT_TRUE(show(dlg, kToolbarDlg));
    auto* bar = dlg.state()->widget->findChild<QToolBar*>();
    ASSERT_NE(bar, nullptr);
    ASSERT_FALSE(bar->actions().isEmpty());
    bar->actions().front()->hover();
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(bar, &leave);
    EXPECT_EQ(dlg.pointedAt, (std::vector<unsigned>{kToolCommand, 0}));
    dlg.DestroyWindow();
}

// A modal dialog asked to open at a point has its corner there; one that would stand off the
// screen is moved back onto it.
TEST_F(QtDialogs, ModalDialogOpensWhereItWasAskedToOnTheScreen)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const struct {
        plat::Point asked;
        bool onScreenAsAsked;
    } cases[] = {{{screen.left() + 40, screen.top() + 30}, true}, {{screen.right() + 500, screen.bottom() + 500}, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.asked.x);
        SetupDlg dlg;
        dlg.OpenAt(c.asked);
        ASSERT_TRUE(dlg.buildControls());
        QRect shown;
        QTimer::singleShot(0, [&] {
            if (QWidget* w = QApplication::activeModalWidget())
                shown = w->frameGeometry();
            dlg.EndDialog(plat::kIdOk);
        });
        EXPECT_EQ(plat::runDialogWithQt(dlg), plat::kIdOk);
        ASSERT_FALSE(shown.isEmpty());
        EXPECT_TRUE(screen.contains(shown)) << shown.x() << "," << shown.y() << " " << shown.width() << "x" << shown.height() << " in " << screen.width() << "x" << screen.height();
        if (c.onScreenAsAsked) {
            EXPECT_EQ(shown.topLeft(), QPoint(c.asked.x, c.asked.y));
        }
    }
}

}  // namespace

namespace {

// A modal dialog that moves itself and gives a control the focus in OnInitDialog, before it has
// widgets; its Qt face notes where it came up and ends itself.
class PlacedDialog : public plat::Dialog {
public:
    explicit PlacedDialog(plat::Point at) : plat::Dialog(kDlg), at_(at) {}
    bool OnInitDialog() override
    {
        SetWindowPos(at_.x, at_.y, 0, 0, plat::kSwpNoSize | plat::kSwpNoZOrder);
        GotoDlgCtrl(kList);
        QTimer::singleShot(0, [this] {
            const QWidget* w = state()->widget;
            shown = QRect(w->pos(), w->size());
            room = w->screen()->availableGeometry();
            focused = w->focusWidget() == GetDlgItem(kList)->state()->widget;
            EndDialog(plat::kIdOk);
        });
        return true;
    }

    QRect shown, room;
    bool focused = false;

private:
    plat::Point at_;
};

}  // namespace

TEST(QtModalDialogs, OpenWhereTheyPlacedThemselvesKeptOnTheScreenWithTheFocusTheyGave)
{
    registerDialogs();
    plat::QtUiHost host;
    plat::QtUiHost::setModalRunner(plat::runDialogWithQt);
    PlacedDialog near({40, 30});
    EXPECT_EQ(near.DoModal(), plat::kIdOk);
    EXPECT_EQ(near.shown.topLeft(), QPoint(40, 30));
    EXPECT_TRUE(near.focused);
    PlacedDialog far({near.room.right() - 5, near.room.bottom() - 5});
    EXPECT_EQ(far.DoModal(), plat::kIdOk);
    EXPECT_TRUE(far.room.contains(far.shown)) << "the whole window stays on the screen";
    EXPECT_GT(far.shown.left(), near.shown.left());
    plat::QtUiHost::setModalRunner(nullptr);
}
