#include "app/cue_sinks.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <memory>
#include <vector>

namespace zarvo {

namespace {

class AudioCueSinks : public CueSinks {
  public:
    AudioCueSinks(const QAudioDevice& device, const WaveClip* clips, int count) : cues_(count) {
        for (int i = 0; i < count; ++i) {
            const WaveClip& clip = clips[i];
            if (clip.frames == 0) continue;
            QAudioFormat format;
            format.setChannelCount(clip.channels);
            format.setSampleRate(clip.rate);
            format.setSampleFormat(clip.bits == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
            if (!device.isFormatSupported(format)) continue;
            // A fifth of a second of silence after the clip: outputs may drop the last bit
            // they get.
            Cue& cue = cues_[i];
            const int frame_bytes = clip.channels * clip.bits / 8;
            const char silence = clip.bits == 8 ? char(0x80) : char(0);
            cue.padded = clip.samples + QByteArray(clip.rate / 5 * frame_bytes, silence);
            cue.sink = std::make_unique<QAudioSink>(device, format);
        }
    }
    ~AudioCueSinks() override {
        for (Cue& cue : cues_)
            if (cue.sink) cue.sink->stop();
    }

    void play(int index) override {
        if (index < 0 || index >= static_cast<int>(cues_.size())) return;
        Cue& cue = cues_[index];
        if (!cue.sink) return;
        if (playing_ && playing_->sink) playing_->sink->stop();
        // Asked for again at every start: a sink asks the server for the size it got last
        // time, and a PulseAudio server hands back a little less each time, until the stream
        // is too small ever to start and the cue falls silent for good.
        cue.sink->setBufferSize(cue.padded.size());
        // The whole clip goes to the server now, not on a timer of this thread: a key that
        // keeps the program busy until the next one would otherwise stop the cue unheard.
        QIODevice* stream = cue.sink->start();
        if (!stream) return;
        stream->write(cue.padded);
        playing_ = &cue;
    }

  private:
    struct Cue {
        QByteArray padded;  // samples plus silence, so the output's tail clipping eats silence
        std::unique_ptr<QAudioSink> sink;
    };
    std::vector<Cue> cues_;
    Cue* playing_ = nullptr;
};

}  // namespace

}  // namespace zarvo

extern "C" Q_DECL_EXPORT zarvo::CueSinks* zarvok_make_cue_sinks(const zarvo::WaveClip* clips,
                                                                int count) {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return nullptr;
    return new zarvo::AudioCueSinks(device, clips, count);
}
