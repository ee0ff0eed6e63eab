#pragma once
// The Qt state behind QtUiHost, shared by the files that implement its parts.

#include "platform/qt_host/qt_ui_host.h"

#include <QMimeData>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <map>
#include <utility>

namespace plat {

// Timers ordered by target, then id, so that one target's timers sit together.
using TimerKey = std::pair<TimerTarget*, unsigned>;
struct TimerKeyLess {
    bool operator()(const TimerKey& a, const TimerKey& b) const
    {
        if (a.first != b.first)
            return std::less<TimerTarget*>{}(a.first, b.first);
        return a.second < b.second;
    }
};

struct QtUiHost::Impl {
    // Parent of the timers, so that they end with the host.
    QObject timerOwner;
    std::map<TimerKey, QTimer*, TimerKeyLess> timers;

    // The formats this host put on the clipboard, and the data object that carries them while
    // the clipboard still holds it (the pointer clears when the clipboard lets it go).
    std::map<std::string, std::vector<uint8_t>, std::less<>> placedFormats;
    QPointer<QMimeData> placedData;

    std::map<QString, QPointer<QWidget>> textWindows;   // by absolute file path

    // The documents this program holds for the suite's other programs: a local server each,
    // by the document's canonical path, with the handler that answers for it.
    struct HeldDocument {
        QPointer<QObject> server;
        DocumentOwnerHandler handler;
    };
    std::map<std::string, HeldDocument> heldDocuments;
    QPointer<QWidget> helpWindow;

    ~Impl();
};

// The window message boxes and dialogs belong to: the active window, if there is one.
QWidget* dialogParent();

}  // namespace plat
