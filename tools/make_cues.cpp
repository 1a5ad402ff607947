// Writes the game's three sound cues as RIFF WAVE PCM files into the folder given:
//   101.wav  accepted: a short click      mono,   8-bit, 22050 Hz,   219 samples
//   102.wav  refused:  a low buzz         mono,  16-bit, 22050 Hz,  5513 samples
//   103.wav  solved:   a rising chime     stereo, 16-bit, 22050 Hz, 17405 frames
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

void put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(v & 0xFF);
    out.push_back((v >> 8) & 0xFF);
}
void put32(std::vector<uint8_t>& out, uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}
void put_tag(std::vector<uint8_t>& out, const char* tag) {
    out.insert(out.end(), tag, tag + 4);
}

bool write_wave(const std::string& path, int channels, int bits, const std::vector<uint8_t>& data) {
    std::vector<uint8_t> out;
    const uint32_t pad = data.size() % 2;
    put_tag(out, "RIFF");
    put32(out, static_cast<uint32_t>(4 + 24 + 8 + data.size() + pad));
    put_tag(out, "WAVE");
    put_tag(out, "fmt ");
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, channels);
    put32(out, kRate);
    put32(out, kRate * channels * bits / 8);
    put16(out, channels * bits / 8);
    put16(out, bits);
    put_tag(out, "data");
    put32(out, static_cast<uint32_t>(data.size()));
    out.insert(out.end(), data.begin(), data.end());
    if (pad) out.push_back(0);
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(out.data(), 1, out.size(), f) == out.size();
    return std::fclose(f) == 0 && ok;
}

int16_t clamp16(double v) {
    if (v > 32767) return 32767;
    if (v < -32768) return -32768;
    return static_cast<int16_t>(std::lround(v));
}

// A bright tick that dies away within the ten milliseconds.
std::vector<uint8_t> click() {
    std::vector<uint8_t> data;
    for (int i = 0; i < 219; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double env = std::exp(-t * 450.0);
        const double v =
            env * (0.7 * std::sin(2 * kPi * 1800 * t) + 0.3 * std::sin(2 * kPi * 3600 * t));
        data.push_back(static_cast<uint8_t>(std::lround(128 + 110 * v)));
    }
    return data;
}

// A soft low buzz, a quarter of a second, faded in and out so that it does not crack.
std::vector<uint8_t> buzz() {
    std::vector<uint8_t> data;
    const int n = 5513;
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double attack = std::fmin(1.0, i / 200.0);
        const double release = std::fmin(1.0, (n - 1 - i) / 1500.0);
        double v = 0;
        for (int k = 1; k <= 7; k += 2) v += std::sin(2 * kPi * 110 * k * t) / k;
        put16(data, static_cast<uint16_t>(clamp16(9000 * attack * release * v)));
    }
    return data;
}

// Three rising notes (C, E, G), each ringing out, the last one longest; a little wider stereo
// for the later notes.
std::vector<uint8_t> chime() {
    std::vector<uint8_t> data;
    const int n = 17405;
    const double freqs[3] = {523.25, 659.25, 783.99};
    const double starts[3] = {0.0, 0.12, 0.24};
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / kRate;
        double left = 0, right = 0;
        for (int k = 0; k < 3; ++k) {
            const double u = t - starts[k];
            if (u < 0) continue;
            const double env = std::fmin(1.0, u * 400) * std::exp(-u * 5.5);
            const double tone =
                std::sin(2 * kPi * freqs[k] * u) + 0.25 * std::sin(4 * kPi * freqs[k] * u);
            left += env * tone * (1.0 - 0.15 * k);
            right += env * tone * (0.7 + 0.15 * k);
        }
        const double fade = std::fmin(1.0, (n - 1 - i) / 2000.0);
        put16(data, static_cast<uint16_t>(clamp16(7000 * fade * left)));
        put16(data, static_cast<uint16_t>(clamp16(7000 * fade * right)));
    }
    return data;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_cues FOLDER\n");
        return 2;
    }
    const std::string dir = argv[1];
    const bool ok = write_wave(dir + "/101.wav", 1, 8, click()) &&
                    write_wave(dir + "/102.wav", 1, 16, buzz()) &&
                    write_wave(dir + "/103.wav", 2, 16, chime());
    if (!ok) {
        std::perror(("make_cues: cannot write into " + dir).c_str());
        return 1;
    }
    return 0;
}
