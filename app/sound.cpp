#include "app/sound.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QFile>
#include <QMediaDevices>
#include <QtEndian>
#include <cstring>

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
            clip.format.setChannelCount(clip.channels);
            clip.format.setSampleRate(clip.rate);
            clip.format.setSampleFormat(clip.bits == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
            return true;
        }
        pos = body + chunk + (chunk & 1);
    }
    return false;
}

CuePlayer::CuePlayer(QObject* parent) : QObject(parent) {}

void CuePlayer::load() {
    if (loaded_) return;
    loaded_ = true;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    const bool output_ok = !device.isNull();
    for (int i = 0; i < 3; ++i) {
        Cue& cue = cues_[i];
        QFile file(QStringLiteral(":/sound/%1.wav").arg(101 + i));
        if (!file.open(QIODevice::ReadOnly) || !parse_wave(file.readAll(), cue.clip)) continue;
        if (!output_ok || !device.isFormatSupported(cue.clip.format)) continue;
        // A fifth of a second of silence after the clip: outputs may drop the last bit they get.
        const int frame_bytes = cue.clip.channels * cue.clip.bits / 8;
        const char silence = cue.clip.bits == 8 ? char(0x80) : char(0);
        cue.padded = cue.clip.samples + QByteArray(cue.clip.rate / 5 * frame_bytes, silence);
        cue.buffer.setData(cue.padded);
        cue.sink = std::make_unique<QAudioSink>(device, cue.clip.format);
    }
}

CuePlayer::~CuePlayer() {
    for (Cue& cue : cues_)
        if (cue.sink) cue.sink->stop();
}

void CuePlayer::play_sound(int id) {
    if (id < 101 || id > 103) return;
    Cue& cue = cues_[id - 101];
    if (!cue.sink) return;
    if (playing_ && playing_->sink) playing_->sink->stop();
    cue.buffer.close();
    if (!cue.buffer.open(QIODevice::ReadOnly)) return;
    // Asked for again at every start: a sink asks the server for the size it got last time,
    // and a PulseAudio server hands back a little less each time, until the stream is too
    // small ever to start and the cue falls silent for good.
    cue.sink->setBufferSize(cue.padded.size());
    cue.sink->start(&cue.buffer);
    playing_ = &cue;
}

}  // namespace zarvo
