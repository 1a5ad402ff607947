// Plays the three sound cues kept inside the program, asynchronously. A cue that is started
// cuts off the one still playing; every failure is silent and the game plays on.
#pragma once

#include <QByteArray>
#include <QObject>
#include <memory>

namespace zarvo {

class CueSinks;

// A RIFF WAVE PCM image split into its format and its samples.
struct WaveClip {
    QByteArray samples;
    int channels = 0;
    int bits = 0;
    int rate = 0;
    qint64 frames = 0;
};

// Reads a WAVE image; returns false for anything that is not plain PCM.
bool parse_wave(const QByteArray& image, WaveClip& clip);

class CuePlayer : public QObject {
    Q_OBJECT
  public:
    explicit CuePlayer(QObject* parent = nullptr);
    ~CuePlayer() override;

    // Loads the sound module, finds the audio output and prepares the three cues; until then
    // cues are silent. The view does this right after its first paint, so that neither the
    // audio libraries nor probing the sound system hold up the first picture, and before any
    // key can be handled.
    void load();

    // Looks the cue up among the program's own resources and starts it; 101, 102 or 103.
    void play_sound(int id);

  private:
    std::unique_ptr<CueSinks> sinks_;
    bool loaded_ = false;
};

}  // namespace zarvo
