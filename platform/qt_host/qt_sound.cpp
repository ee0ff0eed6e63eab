// WAV sounds, played to the end before the call returns.
#include "platform/qt_host/qt_host_impl.h"
#include "platform/qt_host/qt_text.h"
#include "platform/qt_host/wav_header.h"

#include <QCoreApplication>
#include <algorithm>

#ifdef QUILL_HAVE_MULTIMEDIA
#include <QAudioDevice>
#include <QEventLoop>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#endif

namespace plat {
namespace {

#ifdef QUILL_HAVE_MULTIMEDIA
// Waiting is bounded so that a back end that never reports the end cannot hang the program.
constexpr int kLoadTimeoutMs = 3000;
constexpr uint64_t kPlayMarginMs = 2000;
constexpr uint64_t kLongestWaitMs = 120000;

// Runs loop until done() holds or timeoutMs passes; events keep flowing meanwhile.
template <typename Signal, typename Done>
void waitFor(QSoundEffect& effect, Signal signal, Done done, int timeoutMs)
{
    if (done())
        return;
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&effect, signal, &loop, [&] {
        if (done())
            loop.quit();
    });
    deadline.start(timeoutMs);
    loop.exec();
}

void play(const QString& file, const WavFormat& format)
{
    if (QMediaDevices::defaultAudioOutput().isNull())
        return;   // no audio output: silent
    QSoundEffect effect;
    effect.setSource(QUrl::fromLocalFile(file));
    const auto loaded = [&] {
        return effect.status() == QSoundEffect::Ready || effect.status() == QSoundEffect::Error;
    };
    waitFor(effect, &QSoundEffect::statusChanged, loaded, kLoadTimeoutMs);
    if (effect.status() != QSoundEffect::Ready)
        return;   // the header was sound, so this is the device's failure: stay silent
    effect.play();
    const uint64_t wait = std::min(format.durationMs() + kPlayMarginMs, kLongestWaitMs);
    waitFor(effect, &QSoundEffect::playingChanged, [&] { return !effect.isPlaying(); }, static_cast<int>(wait));
    effect.stop();
}
#endif

}  // namespace

bool QtUiHost::playSound(std::string_view path)
{
    const auto format = readWavHeader(std::string(path));
    if (!format)
        return false;
#ifdef QUILL_HAVE_MULTIMEDIA
    if (format->dataSize > 0 && QCoreApplication::instance())
        play(pathToQString(path), *format);
#endif
    return true;
}

}  // namespace plat
