#include "app/sound.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibrary>
#include <QtEndian>
#include <cstring>

#include "app/cue_sinks.h"

namespace zarvo {

namespace {

quint32 le32(const char* p) {
    return qFromLittleEndian<quint32>(p);
}
quint16 le16(const char* p) {
    return qFromLittleEndian<quint16>(p);
}

}  // namespace

bool parse_wave(const QByteArray& image, WaveClip& clip) {
    const char* d = image.constData();
    const qsizetype size = image.size();
    if (size < 12 || std::memcmp(d, "RIFF", 4) != 0 || std::memcmp(d + 8, "WAVE", 4) != 0)
        return false;
    bool have_format = false;
    qsizetype pos = 12;
    while (pos + 8 <= size) {
        const quint32 chunk = le32(d + pos + 4);
        const qsizetype body = pos + 8;
        if (chunk > static_cast<quint64>(size - body)) return false;
        if (std::memcmp(d + pos, "fmt ", 4) == 0 && chunk >= 16) {
            if (le16(d + body) != 1) return false;  // PCM only
            clip.channels = le16(d + body + 2);
            clip.rate = static_cast<int>(le32(d + body + 4));
            clip.bits = le16(d + body + 14);
            have_format = true;
        } else if (std::memcmp(d + pos, "data", 4) == 0 && have_format) {
            if (clip.channels < 1 || (clip.bits != 8 && clip.bits != 16) || clip.rate <= 0)
                return false;
            clip.samples = image.mid(body, chunk);
            clip.frames = chunk / (clip.channels * clip.bits / 8);
            return true;
        }
        pos = body + chunk + (chunk & 1);
    }
    return false;
}

CuePlayer::CuePlayer(QObject* parent) : QObject(parent) {}

CuePlayer::~CuePlayer() = default;

namespace {

// The sound module: next to the program where it was built, else in the library folder of the
// installation the program runs from, else where it was to be installed.
MakeCueSinks sound_module() {
    const QString here = QCoreApplication::applicationDirPath();
    for (const QString& dir : {here, here + QStringLiteral("/../" ZARVO_MODULE_LIBDIR "/zarvok"),
                               QStringLiteral(ZARVO_MODULE_DIR)}) {
        QLibrary module(dir + QStringLiteral("/zarvok_sound"));
        if (auto make = reinterpret_cast<MakeCueSinks>(module.resolve(kMakeCueSinks))) return make;
    }
    return nullptr;
}

}  // namespace

void CuePlayer::load() {
    if (loaded_) return;
    loaded_ = true;
    WaveClip clips[3];
    for (int i = 0; i < 3; ++i) {
        QFile file(QStringLiteral(":/sound/%1.wav").arg(101 + i));
        if (!file.open(QIODevice::ReadOnly) || !parse_wave(file.readAll(), clips[i]))
            clips[i] = WaveClip{};
    }
    if (const MakeCueSinks make = sound_module()) sinks_.reset(make(clips, 3));
}

void CuePlayer::play_sound(int id) {
    if (id < 101 || id > 103 || !sinks_) return;
    sinks_->play(id - 101);
}

}  // namespace zarvo
