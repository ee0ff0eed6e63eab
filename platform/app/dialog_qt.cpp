// The Qt face of dialogs: a QDialog laid out from the template in a grid, each widget bound to
// its control in the model. Changes from code reach the widgets with their signals blocked;
// what a person does goes to the model, which notifies the dialog's handlers.
#include "platform/app/dialog.h"
#include "platform/app/frame_wnd.h"
#include "platform/app/menu.h"
#include "platform/app/property_sheet.h"
#include "platform/app/win_app.h"
#include "platform/app/wnd_state.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMoveEvent>
#include <QPixmap>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QTabBar>
#include <QToolButton>
#include <QTreeWidget>

#include <algorithm>
#include <map>
#include <vector>

namespace plat {
namespace {

// The texts of a list, combo box or tab control's entries, in order.
QStringList entryTexts(const Control& c)
{
    QStringList texts;
    for (const auto& e : c.entries())
        texts.push_back(toQt(e.text));
    return texts;
}

// Image index of a strip of square images side by side (a tree's image list); null when the
// strip holds no such image.
QPixmap stripImage(const QPixmap& strip, int index)
{
    const int side = strip.height();
    if (strip.isNull() || side <= 0 || index < 0 || index >= strip.width() / side)
        return {};
    QPixmap image = strip.copy(index * side, 0, side, side);
    image.setDevicePixelRatio(strip.devicePixelRatio());
    return image;
}

// Statics show '&' as a mnemonic marker; a label shows it literally unless told otherwise.
QString labelText(const std::string& text)
{
    QString out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            if (i + 1 < text.size() && text[i + 1] == '&') {
                out += '&';
                ++i;
            }
            continue;
        }
        out += QChar(static_cast<unsigned char>(text[i]));
    }
    return out;
}

// A group box that covers more than its own row holds the controls of the rows below it, within
// its columns, in a grid of its own: the box is drawn round them.
struct GroupFrame {
    QGridLayout* grid;
    int row;
    int column;
    int rows;
    int columns;
};

const GroupFrame* frameHolding(const std::vector<GroupFrame>& frames, int row, int column)
{
    for (const GroupFrame& f : frames)
        if (row > f.row && row < f.row + f.rows && column >= f.column && column < f.column + f.columns)
            return &f;
    return nullptr;
}

// Moves a window's corner to `corner`, back onto the screen the point is on as far as the
// window, frame included, would stand off it.
void moveOntoScreen(QWidget& widget, QPoint corner)
{
    widget.adjustSize();
    (void)widget.winId();   // the native window knows its frame, where the desktop tells it
    const QScreen* screen = QGuiApplication::screenAt(corner);
    if (!screen)
        screen = widget.screen();
    if (screen) {
        const QRect area = screen->availableGeometry();
        const QSize size = widget.frameGeometry().size();
        corner.setX(std::max(area.left(), std::min(corner.x(), area.right() + 1 - size.width())));
        corner.setY(std::max(area.top(), std::min(corner.y(), area.bottom() + 1 - size.height())));
    }
    widget.move(corner);
}

class DialogWidget : public QDialog {
public:
    DialogWidget(Dialog& d, QWidget* parent) : QDialog(parent), d_(&d) {}
    ~DialogWidget() override
    {
        if (alive())
            d_->controlChangedHook = nullptr;
    }

    bool alive() const { return d_ && isLiveWnd(d_); }

    void build()
    {
        Dialog& d = *d_;
        setWindowTitle(toQt(d.title()));
        const DialogTemplate* t = findDialogTemplate(d.templateId());
        if (t && !t->caption)
            setWindowFlag(Qt::FramelessWindowHint);
        auto* grid = new QGridLayout(this);
        std::vector<GroupFrame> frames;
        int row = -1;
        for (const auto& owned : d.controls()) {
            Control* c = owned.get();
            const ControlTemplate& ct = c->controlTemplate();
            row = ct.row >= 0 ? ct.row : row + 1;
            QWidget* w = make(*c);
            if (!w)
                continue;
            const int rows = std::max(ct.rowSpan, 1);
            const int columns = std::max(ct.span, 1);
            if (const GroupFrame* frame = frameHolding(frames, row, ct.column))
                frame->grid->addWidget(w, row - frame->row - 1, ct.column - frame->column, rows, columns);
            else
                grid->addWidget(w, row, ct.column, rows, columns);
            if (c->kind() == ControlKind::GroupBox && rows > 1)
                frames.push_back({new QGridLayout(w), row, ct.column, rows, columns});
            WndState& cs = wndState(*c);
            cs.widget = w;
            w->setEnabled(cs.enabled);
            w->setVisible(cs.visible);
            widgets_[c] = w;
            refresh(*c);
        }
        if (t)
            addDialogBars(d, this, *t);
        d.controlChangedHook = [this](Control& c) { refresh(c); };
        // An editor window's menu and toolbar are one column of bars (dialog_bars_qt.cpp); a
        // window with only a menu gets it here.
        if (d.dialogMenu() && !(t && t->toolbar)) {
            // A window with a menu bar may shrink to its menu bar (the parts bin slides shut).
            grid->setContentsMargins(0, 0, 0, 0);
            grid->setSizeConstraint(QLayout::SetNoConstraint);
            menuBar_ = new QMenuBar(this);
            grid->setMenuBar(menuBar_);
            fillMenuBar();
            d.menuChangedHook = [this] { fillMenuBar(); };
        }
        wndState(d).widget = this;
        if (t && t->maximized) {
            // Without a window manager to maximise it, the window still takes the screen.
            if (const QScreen* s = screen())
                resize(s->availableGeometry().size());
            setWindowState(windowState() | Qt::WindowMaximized);
        }
        applyOpening();
    }

    // What the dialog did to itself in OnInitDialog, before it had widgets: the place it moved
    // to (kept whole on the screen that holds it) and the control it gave the focus.
    void applyOpening()
    {
        const WndState& s = wndState(*d_);
        if (s.placed)
            moveOntoScreen(*this, QPoint(s.pos.x, s.pos.y));
        const Wnd* focus = Wnd::GetFocus();
        for (const auto& [control, widget] : widgets_)
            if (static_cast<const Wnd*>(control) == focus && widget)
                widget->setFocus(Qt::OtherFocusReason);
    }

    // The dialog's menu as its menu bar: popups open their items, a command at the top level
    // is chosen directly.
    void fillMenuBar()
    {
        if (!menuBar_ || !alive() || !d_->dialogMenu())
            return;
        discardBarContents(menuBar_);
        fillMenuBarItems(menuBar_, d_->dialogMenu()->items(), [this](QAction* a, const MenuItem& m) { addCommand(a, m); });
    }

    void refresh(Control& c)
    {
        const auto it = widgets_.find(&c);
        if (it == widgets_.end() || !it->second)
            return;
        QWidget* w = it->second;
        const QSignalBlocker block(w);
        updating_ = true;
        switch (c.kind()) {
        case ControlKind::Edit:
            if (auto* e = qobject_cast<QLineEdit*>(w); e && e->text() != toQt(c.text()))
                e->setText(toQt(c.text()));
            break;
        case ControlKind::MultiLineEdit:
            if (auto* e = qobject_cast<QPlainTextEdit*>(w); e && e->toPlainText() != toQt(c.text()))
                e->setPlainText(toQt(c.text()));
            break;
        case ControlKind::Static:
            static_cast<QLabel*>(w)->setText(labelText(c.text()));
            break;
        case ControlKind::GroupBox:
            static_cast<QGroupBox*>(w)->setTitle(labelText(c.text()));
            break;
        case ControlKind::PushButton:
        case ControlKind::DefPushButton:
            static_cast<QPushButton*>(w)->setText(toQt(c.text()));
            break;
        case ControlKind::CheckBox:
        case ControlKind::RadioButton: {
            auto* b = static_cast<QAbstractButton*>(w);
            b->setText(toQt(c.text()));
            b->setChecked(c.GetCheck() != 0);
            break;
        }
        case ControlKind::ListBox: {
            auto* l = static_cast<QListWidget*>(w);
            l->clear();
            l->addItems(entryTexts(c));
            l->setCurrentRow(c.GetCurSel());
            break;
        }
        case ControlKind::ComboDropList:
        case ControlKind::ComboDropDown:
        case ControlKind::ComboOwnerDraw: {
            auto* box = static_cast<QComboBox*>(w);
            box->clear();
            box->addItems(entryTexts(c));
            box->setCurrentIndex(c.GetCurSel());
            if (box->isEditable())
                box->setEditText(toQt(c.text()));
            break;
        }
        case ControlKind::Tab: {
            auto* tabs = static_cast<QTabBar*>(w);
            while (tabs->count() > 0)
                tabs->removeTab(0);
            for (const QString& text : entryTexts(c))
                tabs->addTab(text);
            tabs->setCurrentIndex(c.GetCurSel());
            break;
        }
        case ControlKind::Tree: {
            auto* tree = static_cast<QTreeWidget*>(w);
            tree->clear();
            const QPixmap strip = c.controlTemplate().image ? imagePixmap(c.controlTemplate().image, 0, 0) : QPixmap();
            std::vector<QTreeWidgetItem*> items;
            for (const auto& n : c.treeNodes()) {
                QTreeWidgetItem* parent = n.parent >= 1 && n.parent <= items.size() ? items[n.parent - 1] : nullptr;
                auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
                item->setText(0, toQt(n.text));
                if (const QPixmap image = stripImage(strip, n.image); !image.isNull())
                    item->setIcon(0, QIcon(image));
                item->setData(0, Qt::UserRole, QVariant::fromValue<qulonglong>(items.size() + 1));
                if (n.hasChildren)
                    item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
                items.push_back(item);
            }
            // Expansion and selection are the model's; the widget is rebuilt from it.
            for (size_t i = 0; i < items.size(); ++i)
                items[i]->setExpanded(c.isExpanded(i + 1));
            if (const auto sel = c.GetSelectedItem(); sel >= 1 && sel <= items.size())
                tree->setCurrentItem(items[sel - 1]);
            break;
        }
        case ControlKind::Progress: {
            auto* bar = static_cast<QProgressBar*>(w);
            int lo = 0, hi = 0;
            c.GetRange(&lo, &hi);
            bar->setRange(lo, hi);
            bar->setValue(c.GetPos());
            break;
        }
        case ControlKind::ScrollBarH:
        case ControlKind::ScrollBarV: {
            auto* sb = static_cast<QScrollBar*>(w);
            ScrollInfo info;
            c.GetScrollInfo(&info);
            const int page = static_cast<int>(info.page);
            sb->setRange(info.min, std::max(info.min, info.max - std::max(page - 1, 0)));
            sb->setPageStep(std::max(page, 1));
            sb->setValue(info.pos);
            break;
        }
        default:
            break;
        }
        updating_ = false;
    }

protected:
    // Enter and Escape on a property page belong to its sheet.
    Dialog* keyTarget() const
    {
        if (auto* page = dynamic_cast<PropertyPage*>(d_); page && page->sheet())
            return page->sheet();
        return d_;
    }
    void reject() override
    {
        if (alive())
            guarded([&] { keyTarget()->PressButton(kIdCancel); });
    }
    void accept() override
    {
        if (alive())
            guarded([&] { keyTarget()->PressButton(keyTarget()->GetDefID()); });
    }
    void closeEvent(QCloseEvent* event) override
    {
        event->ignore();
        if (alive())
            guarded([&] { d_->SendMessage(kWmClose); });
    }
    void moveEvent(QMoveEvent* event) override
    {
        QDialog::moveEvent(event);
        if (alive())
            guarded([&] { d_->OnMove({pos().x(), pos().y()}); });
    }
    // The layout has placed the controls by now: a dialog that arranges more itself (hides
    // what does not fit) sees their new places.
    void resizeEvent(QResizeEvent* event) override
    {
        QDialog::resizeEvent(event);
        if (alive())
            guarded([&] { d_->OnSize(kSizeRestored, width(), height()); });
    }
    void showEvent(QShowEvent* event) override
    {
        QDialog::showEvent(event);
        if (alive())
            d_->Invalidate(false);   // the dialog paints into its controls once shown
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if ((event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) && alive()) {
            for (auto& [c, w] : widgets_)
                if (w == watched)
                    guarded([&, c = c] { c->focus(event->type() == QEvent::FocusIn); });
        }
        return QDialog::eventFilter(watched, event);
    }

private:
    void addCommand(QAction* a, const MenuItem& m)
    {
        a->setEnabled(!(m.flags & (kMfGrayed | kMfDisabled)));
        const unsigned id = m.id;
        // The menu bar is rebuilt by what the command does: run it once the menu has closed.
        connect(a, &QAction::triggered, this, [this, id] {
            QMetaObject::invokeMethod(this, [this, id] { user([&] { d_->OnCommand(id); }); }, Qt::QueuedConnection);
        });
    }

    void user(std::function<void()> f)
    {
        if (!updating_ && alive())
            guarded(f);
    }

    QWidget* make(Control& c)
    {
        const ControlTemplate& t = c.controlTemplate();
        Control* pc = &c;
        switch (c.kind()) {
        case ControlKind::PushButton:
        case ControlKind::DefPushButton: {
            auto* b = new QPushButton(this);
            b->setAutoDefault(false);
            b->setDefault(c.kind() == ControlKind::DefPushButton);
            connect(b, &QPushButton::clicked, this, [this, pc] { user([pc] { pc->click(); }); });
            return b;
        }
        case ControlKind::CheckBox:
        case ControlKind::RadioButton: {
            QAbstractButton* b = c.kind() == ControlKind::CheckBox ? static_cast<QAbstractButton*>(new QCheckBox(this))
                                                                   : new QRadioButton(this);
            b->setAutoExclusive(false);   // the model keeps the radio groups
            connect(b, &QAbstractButton::clicked, this, [this, pc] {
                user([pc] { pc->click(); });
                refresh(*pc);
            });
            return b;
        }
        case ControlKind::GroupBox:
            return new QGroupBox(this);
        case ControlKind::Static: {
            auto* l = new QLabel(this);
            if (t.textColor >= 0) {
                const auto bgr = static_cast<uint32_t>(t.textColor);
                QPalette p = l->palette();
                p.setColor(QPalette::WindowText, QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF));
                l->setPalette(p);
            }
            return l;
        }
        case ControlKind::Picture: {
            auto* l = new QLabel(this);
            l->setPixmap(imagePixmap(t.image, 32, 32));
            return l;
        }
        // An owner-drawn button is a surface the dialog paints; its release clicks it.
        case ControlKind::OwnerDrawButton:
        case ControlKind::StaticFrame: {
            auto* s = new SurfaceWidget(pc, this);
            const WndState& cs = wndState(c);
            s->setMinimumSize(cs.size.cx, cs.size.cy);
            if (c.kind() == ControlKind::OwnerDrawButton || (t.style & kCsFixedSize))
                s->setFixedSize(cs.size.cx, cs.size.cy);
            wndState(c).surface = s;
            return s;
        }
        case ControlKind::Edit: {
            auto* e = new QLineEdit(this);
            e->setReadOnly(t.style & kCsReadOnly);
            if (t.limit > 0)
                e->setMaxLength(t.limit);
            if (t.style & kCsPassword)
                e->setEchoMode(QLineEdit::Password);
            connect(e, &QLineEdit::textEdited, this, [this, pc](const QString& s) { user([&] { pc->type(fromQt(s)); }); });
            e->installEventFilter(this);
            return e;
        }
        case ControlKind::MultiLineEdit: {
            auto* e = new QPlainTextEdit(this);
            e->setReadOnly(t.style & kCsReadOnly);
            connect(e, &QPlainTextEdit::textChanged, this, [this, pc, e] { user([&] { pc->type(fromQt(e->toPlainText())); }); });
            return e;
        }
        case ControlKind::ListBox: {
            auto* l = new QListWidget(this);
            connect(l, &QListWidget::currentRowChanged, this, [this, pc](int row) { user([&] { pc->choose(row); }); });
            connect(l, &QListWidget::itemDoubleClicked, this, [this, pc] {
                user([&] { pc->dialog()->controlChangedByUser(*pc, kLbnDblClk); });
            });
            return l;
        }
        case ControlKind::ComboDropList:
        case ControlKind::ComboDropDown:
        case ControlKind::ComboOwnerDraw: {
            auto* box = new QComboBox(this);
            box->setEditable(c.kind() == ControlKind::ComboDropDown);
            connect(box, qOverload<int>(&QComboBox::activated), this, [this, pc](int i) { user([&] { pc->choose(i); }); });
            if (box->isEditable())
                connect(box, &QComboBox::editTextChanged, this, [this, pc](const QString& s) { user([&] { pc->type(fromQt(s)); }); });
            box->installEventFilter(this);
            return box;
        }
        case ControlKind::ScrollBarH:
        case ControlKind::ScrollBarV: {
            auto* sb = new QScrollBar(c.kind() == ControlKind::ScrollBarH ? Qt::Horizontal : Qt::Vertical, this);
            connect(sb, &QScrollBar::actionTriggered, this, [this, pc, sb](int action) {
                const std::optional<unsigned> scrolled = scrollCodeFromQt(action);
                if (!scrolled)
                    return;
                const unsigned code = *scrolled;
                const int pos = sb->sliderPosition();
                const bool h = pc->kind() == ControlKind::ScrollBarH;
                // An arrow or page click is a whole scroll of its own: it ends at once, as a
                // thumb drag ends when the slider is released.
                user([&] {
                    const unsigned message = h ? kWmHScroll : kWmVScroll;
                    pc->dialog()->SendMessage(message, scrollParam(code, pos), reinterpret_cast<intptr_t>(pc));
                    if (code != kSbThumbTrack)
                        pc->dialog()->SendMessage(message, kSbEndScroll, reinterpret_cast<intptr_t>(pc));
                });
                if (code != kSbThumbTrack)
                    sb->setSliderPosition(pc->GetPos());
            });
            connect(sb, &QScrollBar::sliderReleased, this, [this, pc] {
                const bool h = pc->kind() == ControlKind::ScrollBarH;
                user([&] { pc->dialog()->SendMessage(h ? kWmHScroll : kWmVScroll, kSbEndScroll, reinterpret_cast<intptr_t>(pc)); });
            });
            return sb;
        }
        case ControlKind::Tab: {
            auto* tabs = new QTabBar(this);
            connect(tabs, &QTabBar::currentChanged, this, [this, pc](int i) { user([&] { pc->choose(i); }); });
            return tabs;
        }
        case ControlKind::Tree: {
            auto* tree = new QTreeWidget(this);
            tree->setHeaderHidden(true);
            tree->setIconSize(QSize(16, 16));
            const auto handleOf = [](QTreeWidgetItem* item) {
                return item ? static_cast<Control::TreeItem>(item->data(0, Qt::UserRole).toULongLong()) : 0;
            };
            connect(tree, &QTreeWidget::itemExpanded, this, [this, pc, handleOf](QTreeWidgetItem* item) {
                const auto handle = handleOf(item);
                // Rebuilding the widget from the model re-enters here; queue the person's action.
                QMetaObject::invokeMethod(this, [this, pc, handle] { user([&] { pc->expandItem(handle); }); },
                                          Qt::QueuedConnection);
            });
            connect(tree, &QTreeWidget::itemClicked, this, [this, pc, handleOf](QTreeWidgetItem* item) {
                const auto handle = handleOf(item);
                QMetaObject::invokeMethod(this, [this, pc, handle] { user([&] { pc->clickItem(handle); }); },
                                          Qt::QueuedConnection);
            });
            return tree;
        }
        case ControlKind::Progress:
            return new QProgressBar(this);
        case ControlKind::Spin: {
            auto* box = new QWidget(this);
            auto* layout = new QHBoxLayout(box);
            layout->setContentsMargins(0, 0, 0, 0);
            auto* up = new QToolButton(box);
            up->setArrowType(Qt::UpArrow);
            auto* down = new QToolButton(box);
            down->setArrowType(Qt::DownArrow);
            layout->addWidget(up);
            layout->addWidget(down);
            // The default range runs downwards: the up arrow moves the position by -1.
            connect(up, &QToolButton::clicked, this, [this, pc] { user([&] { pc->spin(-1); }); });
            connect(down, &QToolButton::clicked, this, [this, pc] { user([&] { pc->spin(1); }); });
            return box;
        }
        }
        return nullptr;
    }

    Dialog* d_;
    QMenuBar* menuBar_ = nullptr;
    std::map<Control*, QPointer<QWidget>> widgets_;
    bool updating_ = false;
};

// A property sheet: its pages in tabs (or one at a time for a wizard) with the sheet's buttons.
// A page's widgets are made when the model has created the page, i.e. on its first visit.
class SheetWidget : public QDialog {
public:
    SheetWidget(PropertySheet& sheet, QWidget* parent) : QDialog(parent), sheet_(&sheet) {}

    void build()
    {
        PropertySheet& s = *sheet_;
        setWindowTitle(toQt(s.caption()));
        auto* layout = new QVBoxLayout(this);
        if (s.isWizard()) {
            stack_ = new QStackedWidget(this);
            layout->addWidget(stack_);
        } else {
            tabs_ = new QTabWidget(this);
            layout->addWidget(tabs_);
        }
        for (int i = 0; i < s.GetPageCount(); ++i) {
            auto* holder = new QWidget;
            new QVBoxLayout(holder);
            holders_.push_back(holder);
            if (tabs_)
                tabs_->addTab(holder, toQt(s.GetPage(i)->caption()));
            else
                stack_->addWidget(holder);
        }
        if (tabs_)
            connect(tabs_, &QTabWidget::currentChanged, this, [this](int i) {
                if (!syncing_ && alive())
                    guarded([&] { sheet_->SetActivePage(i); });
                sync();
            });
        auto* buttons = new QDialogButtonBox(this);
        auto add = [&](const QString& text, unsigned id) {
            QPushButton* b = buttons->addButton(text, QDialogButtonBox::ActionRole);
            b->setAutoDefault(false);
            connect(b, &QPushButton::clicked, this, [this, id] { press(id); });
            return b;
        };
        if (s.isWizard()) {
            back_ = add(QStringLiteral("< &Back"), kIdWizBack);
            next_ = add(QStringLiteral("&Next >"), kIdWizNext);
            finish_ = add(QStringLiteral("&Finish"), kIdWizFinish);
        } else {
            add(QStringLiteral("OK"), kIdOk)->setDefault(true);
        }
        add(QStringLiteral("Cancel"), kIdCancel);
        layout->addWidget(buttons);
        wndState(s).widget = this;
        sync();
    }

protected:
    void reject() override { press(kIdCancel); }
    void closeEvent(QCloseEvent* event) override
    {
        event->ignore();
        press(kIdCancel);
    }

private:
    bool alive() const { return sheet_ && isLiveWnd(sheet_); }

    void press(unsigned id)
    {
        if (!alive())
            return;
        guarded([&] { sheet_->PressButton(id); });
        if (alive() && sheet_->modalResult() == -1)
            sync();
    }

    void sync()
    {
        if (!alive())
            return;
        syncing_ = true;
        PropertySheet& s = *sheet_;
        for (int i = 0; i < s.GetPageCount(); ++i) {
            PropertyPage* page = s.GetPage(i);
            if (page->created() && !faces_.count(page)) {
                auto* face = new DialogWidget(*page, holders_[static_cast<size_t>(i)]);
                face->setWindowFlags(Qt::Widget);
                face->build();
                holders_[static_cast<size_t>(i)]->layout()->addWidget(face);
                faces_[page] = face;
            }
        }
        const int active = s.GetActiveIndex();
        if (tabs_ && active >= 0)
            tabs_->setCurrentIndex(active);
        if (stack_ && active >= 0)
            stack_->setCurrentIndex(active);
        if (back_) {
            const unsigned flags = s.wizardButtons();
            back_->setEnabled(flags & kPswizbBack);
            next_->setEnabled(flags & kPswizbNext);
            finish_->setEnabled(flags & (kPswizbFinish | kPswizbDisabledFinish));
            finish_->setVisible((flags & (kPswizbFinish | kPswizbDisabledFinish)) != 0);
        }
        syncing_ = false;
    }

    PropertySheet* sheet_;
    QTabWidget* tabs_ = nullptr;
    QStackedWidget* stack_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* finish_ = nullptr;
    std::vector<QWidget*> holders_;
    std::map<PropertyPage*, DialogWidget*> faces_;
    bool syncing_ = false;
};

QWidget* ownerWidget(Dialog& d)
{
    Wnd* owner = d.parentWnd();
    if (!owner)
        owner = GetMainWnd();
    if (owner && owner->state() && owner->state()->widget)
        return owner->state()->widget->window();
    return nullptr;
}

// A dialog that asked for a place opens with its corner there, moved back onto the screen.
void placeAsAsked(QWidget& widget, const Dialog& d)
{
    if (d.openPosition())
        moveOntoScreen(widget, QPoint(d.openPosition()->x, d.openPosition()->y));
}

}  // namespace

// The Qt dialog lives on the heap: if its owner window is destroyed while it runs (a timer can
// close the program), Qt deletes it with the owner and exec returns.
int runDialogWithQt(Dialog& d)
{
    if (auto* sheet = dynamic_cast<PropertySheet*>(&d)) {
        QPointer<SheetWidget> widget = new SheetWidget(*sheet, ownerWidget(d));
        widget->build();
        placeAsAsked(*widget, d);
        if (d.modalResult() == -1)
            widget->exec();
        delete widget.data();
        rethrowPendingExit();
        return d.modalResult() != -1 ? d.modalResult() : kIdCancel;
    }
    QPointer<DialogWidget> widget = new DialogWidget(d, ownerWidget(d));
    widget->build();
    placeAsAsked(*widget, d);
    if (d.modalResult() == -1)
        widget->exec();
    delete widget.data();
    d.controlChangedHook = nullptr;
    rethrowPendingExit();   // an exit asked for while the dialog ran ends the caller too
    return d.modalResult() != -1 ? d.modalResult() : kIdCancel;
}

void showModelessWithQt(Dialog& d)
{
    auto* widget = new DialogWidget(d, ownerWidget(d));
    // Where the dialog placed itself before it was shown (MoveWindow, or the template's size).
    const Size size = wndState(d).size;
    const Point pos = wndState(d).pos;
    widget->build();
    if (size.cx > 0 && size.cy > 0)
        widget->resize(size.cx, size.cy);
    if (pos.x != 0 || pos.y != 0)
        widget->move(pos.x, pos.y);
    widget->show();
}

}  // namespace plat
