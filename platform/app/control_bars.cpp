#include "platform/app/control_bars.h"

#include "platform/app/frame_wnd.h"
#include "platform/app/message_pump.h"
#include "platform/app/resources.h"
#include "platform/app/wnd_state.h"
#include "platform/gdi/raster_dc.h"
#include "platform/gdi/raster_dc_qt.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <QProgressBar>
#include <QStatusBar>
#include <QStyledItemDelegate>
#include <QToolBar>

#include <algorithm>

namespace plat {
namespace {

QMainWindow* mainWindowOf(FrameWnd* frame)
{
    return frame && frame->state() ? qobject_cast<QMainWindow*>(frame->state()->widget.data()) : nullptr;
}

// A toolbar combo that holds the keyboard focus still lets the program's shortcuts through: a
// key with Ctrl or Alt goes on to the main window and its accelerators instead of being taken as
// the first letter of an item (which left Ctrl+O dead once a combo had been clicked).
class ToolBarComboBox : public QComboBox {
protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
            event->ignore();
            return;
        }
        QComboBox::keyPressEvent(event);
    }
};

// Items of an owner-drawn toolbar combo are painted by the bar's OnDrawItem into an image.
class OwnerDrawDelegate : public QStyledItemDelegate {
public:
    OwnerDrawDelegate(ToolBar* bar, unsigned id, QObject* parent) : QStyledItemDelegate(parent), bar_(bar), id_(id) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QImage image(option.rect.size(), QImage::Format_RGB32);
        image.fill(option.state & QStyle::State_Selected ? option.palette.highlight().color() : option.palette.base().color());
        {
            RasterDc dc(ExternalImage{image});
            DrawItem item;
            item.ctlId = id_;
            item.itemId = index.row();
            item.itemAction = kOdaDrawEntire;
            item.itemState = (option.state & QStyle::State_Selected) ? unsigned(kOdsSelected) : 0u;
            item.dc = &dc;
            item.rcItem = Rect{0, 0, image.width(), image.height()};
            if (ToolBarCombo* c = bar_->combo(id_); c && index.row() < c->GetCount())
                item.itemData = c->GetItemData(index.row());
            guarded([&] { bar_->OnDrawItem(id_, item); });
        }
        painter->drawImage(option.rect.topLeft(), image);
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        MeasureItem m;
        m.ctlId = id_;
        m.itemId = index.row();
        m.itemWidth = 100;
        m.itemHeight = 14;
        bar_->OnMeasureItem(id_, m);
        (void)option;
        return QSize(m.itemWidth, m.itemHeight);
    }

private:
    ToolBar* bar_;
    unsigned id_;
};

}  // namespace

// ---------------------------------------------------------------------------------------------
// ControlBar

bool ControlBar::attach(FrameWnd* parent, unsigned style, unsigned id,
                        const std::function<QWidget*(QMainWindow&)>& makeWidget)
{
    if (!parent || IsWindow())
        return false;
    WndState& s = wndState(*this);
    s.parent = parent;
    s.style = style;
    s.id = id;
    parent->addBar(this, id);
    if (QMainWindow* window = mainWindowOf(parent))
        s.widget = makeWidget(*window);
    s.created = true;
    shown_ = (style & kWsVisible) != 0;
    return true;
}

// ---------------------------------------------------------------------------------------------
// ToolBarCombo

void ToolBarCombo::ResetContent()
{
    items_.clear();
    sel_ = -1;
    if (bar_)
        bar_->changed();
}

int ToolBarCombo::AddString(std::string_view text) { return InsertString(-1, text); }

int ToolBarCombo::InsertString(int index, std::string_view text)
{
    index = insertListEntry(items_, sel_, index, text);
    if (bar_)
        bar_->changed();
    return index;
}

int ToolBarCombo::DeleteString(int index)
{
    if (!eraseListEntry(items_, sel_, index))
        return kCbErr;
    if (bar_)
        bar_->changed();
    return GetCount();
}

int ToolBarCombo::SetCurSel(int index)
{
    if (index < -1 || index >= GetCount()) {
        sel_ = -1;
        if (bar_)
            bar_->changed();
        return kCbErr;
    }
    sel_ = index;
    if (bar_)
        bar_->changed();
    return index;
}

std::string ToolBarCombo::GetLBText(int index) const { return listEntryText(items_, index); }

void ToolBarCombo::SetItemData(int index, uintptr_t data) { setListEntryData(items_, index, data); }

uintptr_t ToolBarCombo::GetItemData(int index) const { return listEntryData(items_, index); }

void ToolBarCombo::choose(int index)
{
    if (index < 0 || index >= GetCount())
        return;
    sel_ = index;
    if (bar_ && bar_->frame())
        dispatchCommand(bar_->frame(), id_);
}

// ---------------------------------------------------------------------------------------------
// ToolBar

// What the Qt bar shows of one button, apart from its state.
struct ToolBar::BuiltLayout {
    struct Item {
        enum class Kind { Button, Separator, Combo };
        Kind kind = Kind::Button;
        unsigned id = 0;
        int image = -1;
        unsigned picture = 0;                 // the command whose drawing is the button's image
        int width = 0;                        // a combo's width
        bool ownerDraw = false;
        std::vector<std::string> texts{};     // a combo's entries
        bool operator==(const Item&) const = default;
    };
    unsigned bitmapId = 0;
    Size imageSize{};
    int height = 0;
    std::vector<Item> items{};
    bool operator==(const BuiltLayout&) const = default;
};

ToolBar::ToolBar() = default;

ToolBar::~ToolBar()
{
    if (frame_)
        frame_->removeBar(this);
}

bool ToolBar::Create(FrameWnd* parent, unsigned style, unsigned id) { return CreateEx(parent, kTbstyleFlat, style, id); }

bool ToolBar::CreateEx(FrameWnd* parent, unsigned, unsigned style, unsigned id)
{
    const bool attached = attach(parent, style, id, [&](QMainWindow& window) -> QWidget* {
        auto* bar = new QToolBar(&window);
        bar->setObjectName(QStringLiteral("toolbar%1").arg(id));
        bar->setIconSize(QSize(imageSize_.cx, imageSize_.cy));
        window.addToolBar((style & kCbrsAlignBottom) ? Qt::BottomToolBarArea : Qt::TopToolBarArea, bar);
        return bar;
    });
    if (attached)
        changed();
    return attached;
}

bool ToolBar::LoadToolBar(unsigned resourceId)
{
    const ToolbarResource* r = findToolbar(resourceId);
    if (!r)
        return false;
    bitmapId_ = r->bitmap ? r->bitmap : resourceId;
    imageSize_ = {r->buttonWidth, r->buttonHeight};
    return SetButtons(r->buttons);
}

bool ToolBar::SetButtons(std::span<const unsigned> ids)
{
    buttons_.clear();
    imageCommands_.clear();
    for (unsigned id : ids) {
        ToolButton b;
        b.id = id;
        if (id == kIdSeparator) {
            b.style = kTbbsSeparator;
            b.width = 6;
        } else {
            b.image = static_cast<int>(imageCommands_.size());
            imageCommands_.push_back(id);
        }
        buttons_.push_back(b);
    }
    changed();
    return true;
}

void ToolBar::SetSizes(Size button, Size image)
{
    buttonSize_ = button;
    imageSize_ = image;
    changed();
}

void ToolBar::SetHeight(int height)
{
    height_ = height;
    changed();
}

unsigned ToolBar::GetItemID(int index) const
{
    const ToolButton* b = itemAt(buttons_, index);
    return b ? b->id : 0;
}

int ToolBar::CommandToIndex(unsigned id) const
{
    for (int i = 0; i < GetCount(); ++i)
        if (buttons_[static_cast<size_t>(i)].id == id)
            return i;
    return -1;
}

void ToolBar::GetButtonInfo(int index, unsigned& id, unsigned& style, int& image) const
{
    const ToolButton* b = itemAt(buttons_, index);
    if (!b) {
        id = 0;
        style = 0;
        image = -1;
        return;
    }
    id = b->id;
    style = b->style;
    image = b->style & kTbbsSeparator ? b->width : b->image;
}

void ToolBar::SetButtonInfo(int index, unsigned id, unsigned style, int image)
{
    ToolButton* b = itemAt(buttons_, index);
    if (!b)
        return;
    b->id = id;
    b->style = style;
    if (style & kTbbsSeparator)
        b->width = image;   // for separators the "image" is the width
    else
        b->image = image;
    changed();
}

unsigned ToolBar::GetButtonStyle(int index) const
{
    const ToolButton* b = itemAt(buttons_, index);
    return b ? b->style : 0;
}

void ToolBar::SetButtonStyle(int index, unsigned style)
{
    if (ToolButton* b = itemAt(buttons_, index)) {
        b->style = style;
        changed();
    }
}

bool ToolBar::InsertButton(int index, const ToolButton& button)
{
    if (index < 0 || index > GetCount())
        index = GetCount();
    buttons_.insert(buttons_.begin() + index, button);
    changed();
    return true;
}

bool ToolBar::DeleteButton(int index)
{
    if (index < 0 || index >= GetCount())
        return false;
    buttons_.erase(buttons_.begin() + index);
    changed();
    return true;
}

bool ToolBar::setStyleBit(unsigned id, unsigned bit, bool on)
{
    const int i = CommandToIndex(id);
    if (i < 0)
        return false;
    auto& style = buttons_[static_cast<size_t>(i)].style;
    style = on ? (style | bit) : (style & ~bit);
    changed();
    return true;
}

bool ToolBar::HideButton(unsigned id, bool hide) { return setStyleBit(id, kTbbsHidden, hide); }

bool ToolBar::IsButtonHidden(unsigned id) const
{
    const int i = CommandToIndex(id);
    return i >= 0 && (buttons_[static_cast<size_t>(i)].style & kTbbsHidden);
}

bool ToolBar::ChangeBitmap(unsigned id, int image)
{
    const int i = CommandToIndex(id);
    if (i < 0)
        return false;
    buttons_[static_cast<size_t>(i)].image = image;
    changed();
    return true;
}

bool ToolBar::CheckButton(unsigned id, bool check) { return setStyleBit(id, kTbbsChecked, check); }

bool ToolBar::EnableButton(unsigned id, bool enable) { return setStyleBit(id, kTbbsDisabled, !enable); }

bool ToolBar::IsButtonChecked(unsigned id) const
{
    const int i = CommandToIndex(id);
    return i >= 0 && (buttons_[static_cast<size_t>(i)].style & kTbbsChecked);
}

bool ToolBar::IsButtonEnabled(unsigned id) const
{
    const int i = CommandToIndex(id);
    return i >= 0 && !(buttons_[static_cast<size_t>(i)].style & kTbbsDisabled);
}

ToolBarCombo* ToolBar::AddCombo(int index, unsigned comboId, int width, bool ownerDraw)
{
    ToolButton* b = itemAt(buttons_, index);
    if (!b)
        return nullptr;
    b->id = comboId;
    b->style = kTbbsSeparator;
    b->width = width;
    auto combo = std::make_unique<ToolBarCombo>();
    combo->id_ = comboId;
    combo->width_ = width;
    combo->ownerDraw_ = ownerDraw;
    combo->bar_ = this;
    combos_.push_back(std::move(combo));
    changed();
    return combos_.back().get();
}

ToolBarCombo* ToolBar::combo(unsigned comboId) const
{
    for (const auto& c : combos_)
        if (c->id_ == comboId)
            return c.get();
    return nullptr;
}

void ToolBar::updateCommandUI()
{
    if (!frame_)
        return;
    bool any = false;
    for (ToolButton& b : buttons_) {
        if ((b.style & kTbbsSeparator) || b.id == 0)
            continue;
        CmdUI ui(b.id);
        frame_->OnCmdMsg(b.id, &ui);
        unsigned style = b.style;
        if (ui.handled) {
            style = ui.enabled() ? (style & ~kTbbsDisabled) : (style | kTbbsDisabled);
            if (ui.check() >= 0)
                style = ui.check() > 0 ? (style | kTbbsChecked) : (style & ~kTbbsChecked);
        }
        if (style != b.style) {
            b.style = style;
            any = true;
        }
    }
    if (any)
        changed();
}

bool ToolBar::click(unsigned id)
{
    const int i = CommandToIndex(id);
    if (i < 0 || !frame_ || (buttons_[static_cast<size_t>(i)].style & (kTbbsDisabled | kTbbsHidden)))
        return false;
    dispatchCommand(frame_, id);
    return true;
}

void ToolBar::OnDrawItem(unsigned ctlId, DrawItem& item)
{
    if (frame_)
        frame_->OnDrawItem(ctlId, item);
}

void ToolBar::OnMeasureItem(unsigned ctlId, MeasureItem& item)
{
    if (frame_)
        frame_->OnMeasureItem(ctlId, item);
}

unsigned ToolBar::imageCommand(int image) const
{
    return image >= 0 && image < static_cast<int>(imageCommands_.size()) ? imageCommands_[static_cast<size_t>(image)] : 0;
}

// A button's picture: the drawing of the command that owns its image slot, else its slot of
// the bar's pixel strip, else a placeholder that differs per slot.
static QIcon buttonIcon(const ToolBar& bar, unsigned bitmapId, Size imageSize, int image)
{
    if (QIcon drawn = commandIcon(bar.imageCommand(image), imageSize.cx, imageSize.cy); !drawn.isNull())
        return drawn;
    const ImageResource* strip = findImage(bitmapId);
    if (strip && !strip->argb.empty() && image >= 0 && strip->width >= (image + 1) * imageSize.cx)
        return QIcon(imagePixmap(bitmapId, strip->width, strip->height).copy(image * imageSize.cx, 0, imageSize.cx, imageSize.cy));
    return QIcon(imagePixmap(0x10000u + static_cast<unsigned>(std::max(image, 0)), imageSize.cx, imageSize.cy));
}

ToolBar::BuiltLayout ToolBar::layout() const
{
    BuiltLayout l;
    l.bitmapId = bitmapId_;
    l.imageSize = imageSize_;
    l.height = height_;
    for (const ToolButton& b : buttons_) {
        if (b.style & kTbbsHidden)
            continue;
        BuiltLayout::Item item;
        item.id = b.id;
        if (const ToolBarCombo* c = (b.style & kTbbsSeparator) ? combo(b.id) : nullptr) {
            item.kind = BuiltLayout::Item::Kind::Combo;
            item.width = c->width_;
            item.ownerDraw = c->ownerDraw_;
            for (const auto& e : c->items_)
                item.texts.push_back(e.text);
        } else if (b.style & kTbbsSeparator) {
            item.kind = BuiltLayout::Item::Kind::Separator;
        } else {
            item.image = b.image;
            item.picture = imageCommand(b.image);
        }
        l.items.push_back(std::move(item));
    }
    return l;
}

static void applyButtonState(QAction* action, unsigned style)
{
    action->setCheckable((style & (kTbbsCheckBox | kTbbsChecked)) != 0);
    action->setChecked((style & kTbbsChecked) != 0);
    action->setEnabled(!(style & kTbbsDisabled));
}

// Brings the built bar's states up to date; false when the bar no longer matches its layout.
bool ToolBar::updateInPlace(QToolBar* bar, const BuiltLayout& wanted)
{
    if (!built_ || *built_ != wanted)
        return false;
    const QList<QAction*> actions = bar->actions();
    if (actions.size() != static_cast<qsizetype>(wanted.items.size()))
        return false;
    qsizetype at = 0;
    for (const ToolButton& b : buttons_) {
        if (b.style & kTbbsHidden)
            continue;
        QAction* action = actions[at];
        const BuiltLayout::Item& item = wanted.items[static_cast<size_t>(at++)];
        if (item.kind == BuiltLayout::Item::Kind::Combo) {
            auto* box = qobject_cast<QComboBox*>(bar->widgetForAction(action));
            const ToolBarCombo* c = combo(item.id);
            if (!box || !c)
                return false;
            box->setCurrentIndex(c->sel_);
            box->setEnabled(c->enabled_);
        } else if (item.kind == BuiltLayout::Item::Kind::Button) {
            applyButtonState(action, b.style);
        }
    }
    return true;
}

// Rebuilds the Qt bar from the buttons: images come from the bar's image strip, slot by slot.
void ToolBar::rebuild(QToolBar* bar)
{
    discardBarContents(bar);
    bar->setIconSize(QSize(imageSize_.cx, imageSize_.cy));
    if (height_ > 0)
        bar->setFixedHeight(height_);
    for (const ToolButton& b : buttons_) {
        if (b.style & kTbbsHidden)
            continue;
        if (ToolBarCombo* c = (b.style & kTbbsSeparator) ? combo(b.id) : nullptr) {
            auto* box = new ToolBarComboBox;
            box->setFixedWidth(c->width_);
            for (const auto& e : c->items_)
                box->addItem(toQt(e.text));
            box->setCurrentIndex(c->sel_);
            box->setEnabled(c->enabled_);
            if (c->ownerDraw_)
                box->setItemDelegate(new OwnerDrawDelegate(this, c->id_, box));
            const unsigned id = c->id_;
            QObject::connect(box, qOverload<int>(&QComboBox::activated), box, [this, id](int index) {
                if (ToolBarCombo* cb = combo(id))
                    cb->choose(index);
            });
            bar->addWidget(box);
            continue;
        }
        if (b.style & kTbbsSeparator) {
            bar->addSeparator();
            continue;
        }
        QAction* action = bar->addAction(buttonIcon(*this, bitmapId_, imageSize_, b.image), toQt(commandTooltip(b.id)));
        action->setToolTip(toQt(commandTooltip(b.id)));
        action->setStatusTip(toQt(commandPrompt(b.id)));
        applyButtonState(action, b.style);
        const unsigned id = b.id;
        QObject::connect(action, &QAction::triggered, bar, [this, id] {
            if (frame_)
                dispatchCommand(frame_, id);
        });
        QObject::connect(action, &QAction::hovered, bar, [this, id] {
            if (frame_)
                frame_->SetMessageText(commandPrompt(id));
        });
    }
}

// The bar's look follows its buttons: states are updated in place, anything else rebuilds it.
void ToolBar::changed()
{
    if (!state() || !state()->widget)
        return;
    auto* bar = static_cast<QToolBar*>(state()->widget.data());
    BuiltLayout wanted = layout();
    if (!updateInPlace(bar, wanted)) {
        rebuild(bar);
        built_ = std::make_unique<BuiltLayout>(std::move(wanted));
    }
    bar->setVisible(shown_);
}

// ---------------------------------------------------------------------------------------------
// StatusBar

StatusBar::StatusBar() = default;

StatusBar::~StatusBar()
{
    if (frame_)
        frame_->removeBar(this);
}

bool StatusBar::Create(FrameWnd* parent, unsigned style, unsigned id)
{
    return attach(parent, style, id, [](QMainWindow& window) -> QWidget* { return window.statusBar(); });
}

bool StatusBar::SetIndicators(std::span<const unsigned> ids)
{
    panes_.clear();
    for (size_t i = 0; i < ids.size(); ++i) {
        Pane p;
        p.id = ids[i];
        p.style = i == 0 ? unsigned(kSbpsNoBorders | kSbpsStretch) : unsigned(kSbpsNormal);
        p.width = i == 0 ? 0 : 60;
        if (ids[i] != 0)
            p.text = LoadString(ids[i]);
        panes_.push_back(p);
    }
    if (!panes_.empty() && panes_[0].text.empty())
        panes_[0].text = LoadString(kIdsIdleMessage);
    changed();
    return true;
}

void StatusBar::SetPaneInfo(int index, unsigned id, unsigned style, int width)
{
    Pane* p = itemAt(panes_, index);
    if (!p)
        return;
    p->id = id;
    p->style = style;
    p->width = width;
    changed();
}

void StatusBar::GetPaneInfo(int index, unsigned& id, unsigned& style, int& width) const
{
    const Pane* p = itemAt(panes_, index);
    if (!p) {
        id = style = 0;
        width = 0;
        return;
    }
    id = p->id;
    style = p->style;
    width = p->width;
}

int StatusBar::CommandToIndex(unsigned id) const
{
    for (int i = 0; i < GetCount(); ++i)
        if (panes_[static_cast<size_t>(i)].id == id)
            return i;
    return -1;
}

bool StatusBar::SetPaneText(int index, std::string_view text, bool)
{
    Pane* p = itemAt(panes_, index);
    if (!p)
        return false;
    p->text = std::string(text);
    changed();
    return true;
}

std::string StatusBar::GetPaneText(int index) const
{
    const Pane* p = itemAt(panes_, index);
    return p ? p->text : std::string();
}

bool StatusBar::SetPaneIcon(int index, Icon icon)
{
    Pane* p = itemAt(panes_, index);
    if (!p)
        return false;
    p->icon = icon;
    changed();
    return true;
}

Icon StatusBar::GetPaneIcon(int index) const
{
    const Pane* p = itemAt(panes_, index);
    return p ? p->icon : 0;
}

void StatusBar::SetPaneTipText(int index, std::string_view text)
{
    if (Pane* p = itemAt(panes_, index)) {
        p->tip = std::string(text);
        changed();
    }
}

Rect StatusBar::GetItemRect(int index) const
{
    if (index < 0 || index >= GetCount() || !state() || !state()->widget)
        return {};
    const QList<QLabel*> labels = state()->widget->findChildren<QLabel*>(QStringLiteral("pane"), Qt::FindDirectChildrenOnly);
    if (index >= labels.size())
        return {};
    const QRect r = labels[index]->geometry();
    return {r.left(), r.top(), r.right() + 1, r.bottom() + 1};
}

bool StatusBar::CreateProgress(const Rect& rect, int range)
{
    if (progress_.shown)
        return false;
    progress_ = {true, rect, std::max(range, 0), 0};
    progressChanged();
    return true;
}

void StatusBar::SetProgressPos(int pos)
{
    if (!progress_.shown)
        return;
    progress_.pos = std::clamp(pos, 0, progress_.range);
    progressChanged();
}

void StatusBar::DestroyProgress()
{
    progress_ = {};
    progressChanged();
}

// The Qt face: one QProgressBar child of the status bar, made and removed with the control.
void StatusBar::progressChanged()
{
    if (!state() || !state()->widget)
        return;
    QWidget* bar = state()->widget.data();
    auto* control = bar->findChild<QProgressBar*>(QStringLiteral("progress"), Qt::FindDirectChildrenOnly);
    if (!progress_.shown) {
        delete control;
        return;
    }
    if (!control) {
        control = new QProgressBar(bar);
        control->setObjectName(QStringLiteral("progress"));
        control->setTextVisible(false);
    }
    control->setGeometry(progress_.rect.left, progress_.rect.top, std::max(progress_.rect.width(), 0),
                         std::max(progress_.rect.height(), 0));
    control->setRange(0, progress_.range);
    control->setValue(progress_.pos);
    control->show();
    control->raise();
}

void StatusBar::showIdleMessage() { SetPaneText(0, LoadString(kIdsIdleMessage)); }
void StatusBar::showPrompt(unsigned commandId) { SetPaneText(0, commandPrompt(commandId)); }

void StatusBar::changed()
{
    if (!state() || !state()->widget)
        return;
    auto* bar = static_cast<QStatusBar*>(state()->widget.data());
    QList<QLabel*> labels = bar->findChildren<QLabel*>(QStringLiteral("pane"), Qt::FindDirectChildrenOnly);
    while (labels.size() > GetCount()) {
        bar->removeWidget(labels.back());
        delete labels.takeLast();
    }
    while (labels.size() < GetCount()) {
        auto* label = new QLabel(bar);
        label->setObjectName(QStringLiteral("pane"));
        const auto i = labels.size();
        if (i == 0)
            bar->addWidget(label, 1);
        else
            bar->addPermanentWidget(label);
        labels.push_back(label);
    }
    for (int i = 0; i < GetCount(); ++i) {
        const Pane& p = panes_[static_cast<size_t>(i)];
        QLabel* label = labels[i];
        if (p.icon)
            label->setPixmap(imagePixmap(p.icon, 16, 16));
        else
            label->setText(toQt(p.text));
        if (i > 0 && p.width > 0)
            label->setMinimumWidth(p.width);
        label->setToolTip(toQt(p.tip));
    }
    bar->setVisible(shown_);
}

}  // namespace plat
