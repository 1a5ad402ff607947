// The real program started with good and hostile command lines and files.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSettings>
#include <QTemporaryDir>
#include <string>

#include "app/paper.h"
#include "app/sound.h"
#include "app/zarvok_app.h"
#include "app/zarvok_doc.h"
#include "app/zarvok_view.h"

namespace zarvo {
namespace {

struct Finished {
    int status = -1;
    bool crashed = false;
    QString out, err;
};

Finished run(const QStringList& args,
             QProcessEnvironment env = QProcessEnvironment::systemEnvironment()) {
    // Offscreen unless the caller took the display away on purpose.
    if (env.contains("DISPLAY") && !env.contains("QT_QPA_PLATFORM"))
        env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("ZARVOK_REPORT_FIRST_PAINT", "exit");  // a started game ends after its first paint
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(ZARVOK_BINARY), args);
    Finished r;
    if (!p.waitForFinished(20000)) {
        p.kill();
        p.waitForFinished();
        ADD_FAILURE() << "zarvok hung with " << args.join(' ').toStdString();
        return r;
    }
    r.crashed = p.exitStatus() == QProcess::CrashExit;
    r.status = p.exitCode();
    r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

// The environment of a game started offscreen that reports its first paint on stderr and,
// with `report` "exit", ends there.
QProcessEnvironment offscreen_game(const char* report) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("ZARVOK_REPORT_FIRST_PAINT", report);
    return env;
}

TEST(CommandLine, HelpVersionAndBadOptions) {
    Finished r = run({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.contains("--problem")) << r.out.toStdString();
    r = run({"--version"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "zarvok 1.0.0.1\n");
    for (const QStringList& bad :
         {QStringList{"--problem", "28"}, QStringList{"--problem", "-1"},
          QStringList{"--problem", "seven"}, QStringList{"--problem"}, QStringList{"--bogus"},
          QStringList{"a", "b"}, QStringList{"-p"}, QStringList{"--lang"}}) {
        r = run(bad);
        EXPECT_EQ(r.status, 2) << bad.join(' ').toStdString();
        EXPECT_FALSE(r.crashed);
        EXPECT_TRUE(r.err.startsWith("zarvok: ")) << r.err.toStdString();
    }

    // The language: --lang, else the environment's first language the game speaks, else English.
    const auto in = [](std::initializer_list<std::pair<const char*, const char*>> vars) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) env.remove(name);
        for (const auto& [name, value] : vars) env.insert(name, value);
        return env;
    };
    const char* const german = "Zuerst Aufgabe N (0 bis 27) spielen";
    const char* const spanish = "Jugar primero el problema N (de 0 a 27)";
    const char* const french = "Jouer d'abord le problème N (de 0 à 27)";
    const char* const portuguese = "Jogar primeiro o problema N (de 0 a 27)";
    const char* const english = "Play problem N (0 to 27) first";
    const struct {
        QStringList args;
        QProcessEnvironment env;
        const char* expected;
    } languages[] = {
        {{"--help"}, in({{"LANGUAGE", "de"}}), german},
        {{"--help"}, in({{"LANG", "es_MX.UTF-8"}}), spanish},
        {{"--help"}, in({{"LANGUAGE", "it:es"}, {"LANG", "it_IT.UTF-8"}}), spanish},
        {{"--help"}, in({{"LANG", "fr_FR.UTF-8"}}), french},
        {{"--help"}, in({{"LANGUAGE", "pt_BR"}}), portuguese},
        {{"--help"}, in({{"LANGUAGE", "en_GB:de"}}), english},
        {{"--help"}, in({{"LANG", "C"}}), english},
        {{"--help", "--lang", "es"}, in({{"LANGUAGE", "de"}}), spanish},
        {{"--lang=de_AT", "--help"}, in({}), german},
        {{"--lang", "en", "--help"}, in({{"LANGUAGE", "de"}}), english},
    };
    for (const auto& l : languages) {
        r = run(l.args, l.env);
        EXPECT_EQ(r.status, 0);
        EXPECT_TRUE(r.out.contains(QString::fromUtf8(l.expected)))
            << l.args.join(' ').toStdString() << "\n"
            << r.out.toStdString();
    }
    r = run({"--lang", "it"}, in({}));
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.contains("'it'") && r.err.contains("de, en, es, fr, pt_BR"))
        << r.err.toStdString();
    // In German the whole command line is German, Qt's own words too: the usage line, the
    // headings, an unknown option, a missing value, and the program named as it is typed.
    r = run({"--lang", "de", "--help"}, in({}));
    EXPECT_EQ(r.status, 0);
    for (const char* german_word : {"Aufruf: zarvok [Optionen] [DATEI]",
                                    "Optionen:", "Argumente:", "Diese Hilfe zeigen und beenden."})
        EXPECT_TRUE(r.out.contains(QString::fromUtf8(german_word))) << german_word << "\n"
                                                                    << r.out.toStdString();
    const struct {
        QStringList args;
        const char* expected;
    } german_errors[] = {
        {{"--lang", "de", "--problem", "99"}, "--problem braucht eine ganze Zahl von 0 bis 27"},
        {{"--lang", "de", "--bogus"}, "zarvok: Unbekannte Option 'bogus'."},
        {{"--lang", "de", "--problem"}, "zarvok: Nach '--problem' fehlt der Wert."},
    };
    for (const auto& e : german_errors) {
        r = run(e.args, in({}));
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(e.expected)) &&
                    r.err.contains("Mehr dazu zeigt 'zarvok --help'."))
            << r.err.toStdString();
    }
}

TEST(CommandLine, GoodStartsPaintAndEndCleanly) {
    QTemporaryDir dir;
    const QString file = dir.filePath("lesson.txt");
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("keep me");
    f.close();
    for (const QStringList& args :
         {QStringList{}, QStringList{"--problem", "0"}, QStringList{"--problem", "27", file}}) {
        const Finished r = run(args);
        EXPECT_EQ(r.status, 0) << args.join(' ').toStdString() << r.err.toStdString();
        EXPECT_TRUE(r.err.contains("first paint done")) << r.err.toStdString();
    }
    // A session that ends sends SIGTERM: the game closes its window and ends normally.
    {
        QProcess game;
        game.setProcessEnvironment(offscreen_game("stay"));
        game.setReadChannel(QProcess::StandardError);
        game.start(QStringLiteral(ZARVOK_BINARY), {});
        QByteArray err;
        while (!err.contains("first paint done") && game.waitForReadyRead(20000))
            err += game.readAllStandardError();
        ASSERT_TRUE(err.contains("first paint done")) << err.toStdString();
        game.terminate();
        ASSERT_TRUE(game.waitForFinished(20000));
        EXPECT_EQ(game.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(game.exitCode(), 0);
    }
    // The print switch opens the file, declines to print (no game is over) and ends at once.
    const Finished printed = run({"--print", file});
    EXPECT_EQ(printed.status, 0);
    EXPECT_FALSE(printed.err.contains("first paint done"));
    QFile again(file);
    ASSERT_TRUE(again.open(QIODevice::ReadOnly));
    EXPECT_EQ(again.readAll(), "keep me");

    // A name that is not valid UTF-8 is opened by its bytes.
    const std::string odd = QFile::encodeName(dir.path()).toStdString() + "/caf\xE9.txt";
    FILE* raw = std::fopen(odd.c_str(), "w");
    ASSERT_NE(raw, nullptr);
    std::fclose(raw);
    QProcess p;
    QProcessEnvironment env = offscreen_game("exit");
    env.insert("ZDIR", dir.path());
    env.insert("ZARVOK", ZARVOK_BINARY);
    p.setProcessEnvironment(env);
    p.start("sh", {"-c", R"(exec "$ZARVOK" "$ZDIR/caf$(printf '\351').txt")"});
    ASSERT_TRUE(p.waitForFinished(20000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
}

TEST(CommandLine, FilesThatCannotBeOpenedEndWithAMessage) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath("pipe");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString locked = dir.filePath("locked");
    QFile lf(locked);
    ASSERT_TRUE(lf.open(QIODevice::WriteOnly));
    lf.close();
    ::chmod(QFile::encodeName(locked).constData(), 0);
    const QString long_name = dir.filePath(QString(300, 'x'));
    const QString deep = dir.path() + QString("/d").repeated(3000);

    // Each with the reason the message gives.
    std::vector<std::pair<QString, const char*>> hostile = {
        {dir.filePath("missing"), "No such file"},
        {dir.path(), "a folder"},
        {fifo, "not a regular file"},
        {"/dev/zero", "not a regular file"},
        {long_name, "too long"},
        {deep, "too long"},
        {"", "No file name"}};
    if (::geteuid() != 0) hostile.emplace_back(locked, "Permission denied");  // root reads all
    for (const auto& [name, why] : hostile) {
        for (const QStringList& args : {QStringList{name}, QStringList{"--print", name}}) {
            const Finished r = run(args);
            EXPECT_EQ(r.status, 1) << name.left(80).toStdString();
            EXPECT_FALSE(r.crashed);
            EXPECT_TRUE(r.err.contains("zarvok: cannot open")) << r.err.toStdString();
            EXPECT_TRUE(r.err.contains(why)) << r.err.toStdString();
            EXPECT_FALSE(r.err.contains("first paint done"));
        }
    }
}

TEST(CommandLine, NoDisplayIsAClearFailure) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    const Finished r = run({}, env);
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(r.crashed);
    EXPECT_TRUE(r.err.contains("no display")) << r.err.toStdString();
}

TEST(Document, SaveNeverDestroysAFile) {
    QTemporaryDir dir;
    const std::string existing = QFile::encodeName(dir.filePath("homework.txt")).toStdString();
    FILE* f = std::fopen(existing.c_str(), "w");
    std::fputs("three weeks of work", f);
    std::fclose(f);

    CZarvokDoc doc;
    QString error;
    EXPECT_TRUE(doc.save_refusal().isEmpty());
    EXPECT_FALSE(doc.OnSaveDocument(existing, error));
    EXPECT_TRUE(error.contains("already exists"));
    QFile check(QString::fromStdString(existing));
    ASSERT_TRUE(check.open(QIODevice::ReadOnly));
    EXPECT_EQ(check.readAll(), "three weeks of work");
    EXPECT_FALSE(doc.has_file());

    const std::string fresh = QFile::encodeName(dir.filePath("new.zarvok")).toStdString();
    EXPECT_TRUE(doc.OnSaveDocument(fresh, error));
    EXPECT_EQ(QFileInfo(QString::fromStdString(fresh)).size(), 0);
    EXPECT_EQ(doc.title(), "new.zarvok");
    EXPECT_TRUE(doc.save_refusal().startsWith("new.zarvok is saved already."));

    EXPECT_FALSE(doc.OnSaveDocument("/dev/full", error));  // a device is never written over
    EXPECT_FALSE(doc.OnSaveDocument("/proc/zarvo-no-such/x", error));
    EXPECT_FALSE(error.isEmpty());
    if (::geteuid() != 0) {
        const QString ro = dir.filePath("readonly");
        QDir().mkdir(ro);
        ::chmod(QFile::encodeName(ro).constData(), 0555);
        EXPECT_FALSE(doc.OnSaveDocument(QFile::encodeName(ro + "/x").toStdString(), error));
    }

    EXPECT_TRUE(doc.OnOpenDocument(existing, error));
    EXPECT_EQ(doc.title(), "homework.txt");
    EXPECT_TRUE(doc.save_refusal().startsWith("homework.txt was opened from an existing file."));
    EXPECT_FALSE(doc.OnOpenDocument(QFile::encodeName(dir.path()).toStdString(), error));
    EXPECT_EQ(doc.title(), "homework.txt");  // a failed open leaves the document as it was
}

TEST(Startup, TheChosenProblemComesFirstAndQtKeepsNoSettingsOfOurs) {
    for (int problem : {0, 21}) {  // the first and any other row
        CommandLine line;
        line.problem = problem;
        CZarvokApp app(line);
        ASSERT_TRUE(app.InitInstance());
        EXPECT_EQ(app.view()->board().game.problem_index, problem);
    }
    CZarvokApp app{CommandLine{}};
    ASSERT_TRUE(app.InitInstance());
    // What Qt's dialogs would remember goes to a folder that leaves with the program.
    QSettings remembered(QSettings::UserScope, QStringLiteral("QtProject"));
    EXPECT_TRUE(remembered.fileName().startsWith(QDir::tempPath()))
        << remembered.fileName().toStdString();
}

TEST(Printing, PaperComesFromPapersizeThenTheSystemThenTheLocale) {
    EXPECT_EQ(paper_from("letter", "a4\n", "a4"), QPageSize::Letter);
    EXPECT_EQ(paper_from("Legal", {}, {}), QPageSize::Legal);
    EXPECT_EQ(paper_from("no-such-paper", "# the system's\nletter\n", "a4"), QPageSize::Letter);
    EXPECT_EQ(paper_from(nullptr, "a4", "letter"), QPageSize::A4);
    EXPECT_EQ(paper_from(nullptr, {}, "letter"), QPageSize::Letter);
    EXPECT_EQ(paper_from(nullptr, "\n", "a4"), QPageSize::A4);
    EXPECT_EQ(paper_from(nullptr, {}, {}), QPageSize::A4);
    EXPECT_EQ(paper_from(nullptr, "folio-of-doom", "letter"), QPageSize::A4);
}

TEST(SoundCues, ClipsHaveTheirFormats) {
    struct Expected {
        int id, channels, bits;
        qint64 frames;
    } expected[] = {{101, 1, 8, 219}, {102, 1, 16, 5513}, {103, 2, 16, 17405}};
    QTemporaryDir dir;
    for (const Expected& e : expected) {
        QFile res(QStringLiteral(":/sound/%1.wav").arg(e.id));
        ASSERT_TRUE(res.open(QIODevice::ReadOnly));
        const QByteArray image = res.readAll();
        WaveClip clip;
        ASSERT_TRUE(parse_wave(image, clip));
        EXPECT_EQ(clip.channels, e.channels);
        EXPECT_EQ(clip.bits, e.bits);
        EXPECT_EQ(clip.rate, 22050);
        EXPECT_EQ(clip.frames, e.frames);
        // And read back by sox, which knows nothing of our code.
        const QString path = dir.filePath(QStringLiteral("%1.wav").arg(e.id));
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(image);
        out.close();
        const auto soxi = [&](const char* flag) {
            QProcess p;
            p.start("soxi", {flag, path});
            p.waitForFinished(10000);
            return QString::fromLatin1(p.readAllStandardOutput()).trimmed();
        };
        EXPECT_EQ(soxi("-c"), QString::number(e.channels));
        EXPECT_EQ(soxi("-b"), QString::number(e.bits));
        EXPECT_EQ(soxi("-r"), "22050");
        EXPECT_EQ(soxi("-s"), QString::number(e.frames));
        EXPECT_EQ(soxi("-e").toStdString(),
                  e.bits == 8 ? "Unsigned Integer PCM" : "Signed Integer PCM");
    }
    WaveClip junk;
    EXPECT_FALSE(parse_wave(QByteArray("RIFF\x10\0\0\0WAVEfmt ", 16), junk));
    EXPECT_FALSE(parse_wave(QByteArray(), junk));

    // Images made here: an odd-sized chunk before the format is padded to an even length; a
    // data chunk before any format, a compressed format, a bit depth the sinks do not take, or
    // a chunk longer than the image are refused.
    const auto chunk = [](const char* tag, QByteArray body) {
        QByteArray c(tag, 4);
        const quint32 n = static_cast<quint32>(body.size());
        c += QByteArray(reinterpret_cast<const char*>(&n), 4) + body;
        if (n & 1) c += '\0';
        return c;
    };
    const auto format = [](quint16 code, quint16 bits) {
        const quint16 channels = 1, block = bits / 8;
        const quint32 rate = 22050, bytes = rate * block;
        QByteArray f;
        for (const auto& [p, n] : std::initializer_list<std::pair<const void*, int>>{
                 {&code, 2}, {&channels, 2}, {&rate, 4}, {&bytes, 4}, {&block, 2}, {&bits, 2}})
            f += QByteArray(static_cast<const char*>(p), n);
        return f;
    };
    const auto wave = [](QByteArray chunks) {
        return "RIFF" + QByteArray(4, '\0') + "WAVE" + chunks;
    };
    const QByteArray samples("\x01\x02\x03\x04", 4);
    WaveClip clip;
    ASSERT_TRUE(parse_wave(
        wave(chunk("LIST", "odd") + chunk("fmt ", format(1, 16)) + chunk("data", samples)), clip));
    EXPECT_EQ(clip.frames, 2);
    EXPECT_EQ(clip.samples, samples);
    EXPECT_FALSE(parse_wave(wave(chunk("data", samples) + chunk("fmt ", format(1, 16))), clip));
    EXPECT_FALSE(parse_wave(wave(chunk("fmt ", format(3, 16)) + chunk("data", samples)), clip));
    EXPECT_FALSE(parse_wave(wave(chunk("fmt ", format(1, 24)) + chunk("data", samples)), clip));
    QByteArray cut = wave(chunk("fmt ", format(1, 16)) + chunk("data", samples));
    cut.chop(1);
    EXPECT_FALSE(parse_wave(cut, clip));
    EXPECT_FALSE(parse_wave(wave(chunk("fmt ", format(1, 16))).left(11), clip));
}

}  // namespace
}  // namespace zarvo

#include <sys/mount.h>

namespace zarvo {
namespace {

TEST(HostileEnvironment, WithoutTheLiberationFontsTheGameStillPlays) {
    QTemporaryDir dir;
    const QString conf = dir.filePath("fonts.conf");
    QFile f(conf);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(R"(<?xml version="1.0"?><!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig><include ignore_missing="yes">/etc/fonts/fonts.conf</include>
<selectfont><rejectfont><glob>*iberation*</glob></rejectfont></selectfont></fontconfig>)");
    f.close();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("FONTCONFIG_FILE", conf);
    env.insert("QT_QPA_PLATFORM", "offscreen");
    const Finished r = run({"--problem", "3"}, env);
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("first paint done")) << r.err.toStdString();
}

TEST(HostileEnvironment, AFileOthersMayNotReadIsRefused) {
    if (::geteuid() != 0) GTEST_SKIP() << "runs the game as nobody, which needs root";
    QTemporaryDir dir;
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
    const QString locked = dir.filePath("locked.txt");
    QFile f(locked);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    ::chmod(QFile::encodeName(locked).constData(), 0600);
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_RUNTIME_DIR", dir.path());
    p.setProcessEnvironment(env);
    p.start("setpriv", {"--reuid=65534", "--regid=65534", "--clear-groups", "sh", "-c",
                        "test -x \"$0\" || exit 77; exec \"$0\" \"$1\"", ZARVOK_BINARY, locked});
    ASSERT_TRUE(p.waitForFinished(20000));
    if (p.exitCode() == 77) GTEST_SKIP() << "the build folder is not open to other users";
    EXPECT_EQ(p.exitCode(), 1);
    EXPECT_TRUE(p.readAllStandardError().contains("Permission denied"));
}

TEST(HostileEnvironment, SavingOntoAFullDiskSaysSoAndLosesNothing) {
    QTemporaryDir dir;
    const QByteArray mount_point = QFile::encodeName(dir.filePath("full"));
    QDir().mkdir(dir.filePath("full"));
    if (::mount("tmpfs", mount_point.constData(), "tmpfs", 0, "size=16k,nr_inodes=4") != 0)
        GTEST_SKIP() << "cannot mount a small file system here";
    // Use up every inode, then keep one file with something in it.
    std::vector<std::string> made;
    for (int i = 0; i < 8; ++i) {
        const std::string name = mount_point.toStdString() + "/f" + std::to_string(i);
        FILE* f = std::fopen(name.c_str(), "w");
        if (!f) break;
        std::fputs("data", f);
        std::fclose(f);
        made.push_back(name);
    }
    CZarvokDoc doc;
    QString error;
    EXPECT_FALSE(doc.OnSaveDocument(mount_point.toStdString() + "/new.zarvok", error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(doc.OnSaveDocument(made.front(), error));  // and never over an existing file
    QFile kept(QString::fromStdString(made.front()));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "data");
    kept.close();
    ::umount(mount_point.constData());
}

}  // namespace
}  // namespace zarvo
