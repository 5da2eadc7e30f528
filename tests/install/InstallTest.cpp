// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

// The program as `cmake --install` lays it out under a prefix (the test
// install_prefix installs it there first): the viewer and tavrin-mkdb in bin,
// the reading program in libexec/tavrin, the menu entry, the icons, the
// metainfo, the manual pages and the licence under share, the installed
// programs' command lines, and the installed viewer running on the installed
// reader.

#include "ApplicationIdentity.h"
#include "JetTableReader.h"
#include "ReaderAnswer.h"
#include "X11Probe.h"
#include "XvfbSession.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

namespace {

using tavrin::JetReadResult;
using tavrin::JetTableReader;

QString installed(const QString& path) {
    return QStringLiteral(TAVRIN_INSTALL_PREFIX "/") + path;
}

struct InstalledFile {
    const char* path;
    bool executable;
};

void PrintTo(const InstalledFile& file, std::ostream* os) {
    *os << file.path;
}

const InstalledFile kInstalledFiles[] = {
    {"bin/tavrin", true},
    {"bin/tavrin-mkdb", true},
    {"libexec/tavrin/tavrin-read", true},
    {"share/applications/" TAVRIN_APP_ID ".desktop", false},
    {"share/metainfo/" TAVRIN_APP_ID ".metainfo.xml", false},
    {"share/pixmaps/" TAVRIN_APP_ID ".xpm", false},
    {"share/icons/hicolor/32x32/apps/" TAVRIN_APP_ID ".png", false},
    {"share/icons/hicolor/48x48/apps/" TAVRIN_APP_ID ".png", false},
    {"share/icons/hicolor/64x64/apps/" TAVRIN_APP_ID ".png", false},
    {"share/icons/hicolor/128x128/apps/" TAVRIN_APP_ID ".png", false},
    {"share/man/man1/tavrin.1", false},
    {"share/man/man1/tavrin-mkdb.1", false},
    {"share/doc/tavrin/LICENSE", false},
};

class InstalledFileTest : public ::testing::TestWithParam<InstalledFile> {};

TEST_P(InstalledFileTest, IsAFileExecutableOnlyWhereItIsAProgram) {
    const QFileInfo file(installed(QString::fromLatin1(GetParam().path)));
    ASSERT_TRUE(file.isFile()) << file.filePath().toStdString();
    EXPECT_GT(file.size(), 0);
    EXPECT_TRUE(file.isReadable());
    EXPECT_EQ(file.isExecutable(), GetParam().executable);
}

INSTANTIATE_TEST_SUITE_P(Install, InstalledFileTest, ::testing::ValuesIn(kInstalledFiles));

// No test program or other build tool lands on the user's PATH or beside the
// reader.
TEST(InstalledPrograms, BinAndLibexecHoldOnlyTheViewerTheWriterAndTheReader) {
    const auto entries = [](const QString& path) {
        return QDir(installed(path)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    };
    EXPECT_EQ(entries(QStringLiteral("bin")),
              (QStringList{QStringLiteral("tavrin"), QStringLiteral("tavrin-mkdb")}));
    EXPECT_EQ(entries(QStringLiteral("libexec")), QStringList{QStringLiteral("tavrin")});
    EXPECT_EQ(entries(QStringLiteral("libexec/tavrin")),
              QStringList{QStringLiteral("tavrin-read")});
}

// ---- the menu entry ----

QMap<QString, QString> desktopEntry(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QMap<QString, QString> keys;
    bool inEntry = false;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('['))) {
            inEntry = line == QLatin1String("[Desktop Entry]");
        } else if (inEntry && line.contains(QLatin1Char('='))) {
            const qsizetype equals = line.indexOf(QLatin1Char('='));
            keys.insert(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
        }
    }
    return keys;
}

const QString kDesktopFile = QStringLiteral("share/applications/" TAVRIN_APP_ID ".desktop");

TEST(DesktopEntry, PassesDesktopFileValidateWithoutAWord) {
    const QString validate =
        QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    ASSERT_FALSE(validate.isEmpty())
        << "desktop-file-validate is missing; tools/install-deps.sh installs desktop-file-utils";
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(validate, {installed(kDesktopFile)});
    ASSERT_TRUE(process.waitForFinished(30000));
    const QString output = QString::fromUtf8(process.readAll());
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0) << output.toStdString();
    EXPECT_EQ(output, QString()); // no warning or hint either
}

TEST(DesktopEntry, StartsTheInstalledViewerUnderItsJapaneseNameAndIcon) {
    const QMap<QString, QString> entry = desktopEntry(installed(kDesktopFile));
    ASSERT_FALSE(entry.isEmpty());
    EXPECT_EQ(entry.value(QStringLiteral("Type")), QStringLiteral("Application"));
    EXPECT_FALSE(entry.value(QStringLiteral("Name")).isEmpty());
    EXPECT_EQ(entry.value(QStringLiteral("Name[ja]")), QStringLiteral("JIS フランジ・管継手寸法"));
    EXPECT_EQ(entry.value(QStringLiteral("Exec")), QStringLiteral("tavrin"));
    EXPECT_EQ(entry.value(QStringLiteral("Icon")), QStringLiteral(TAVRIN_APP_ID));
    EXPECT_EQ(entry.value(QStringLiteral("Terminal")), QStringLiteral("false"));
    EXPECT_TRUE(entry.value(QStringLiteral("Categories"))
                    .split(QLatin1Char(';'))
                    .contains(QStringLiteral("Engineering")));
    // What Exec and Icon name is what the prefix holds.
    EXPECT_TRUE(QFileInfo(installed(QStringLiteral("bin/") + entry.value(QStringLiteral("Exec"))))
                    .isExecutable());
    EXPECT_TRUE(QFileInfo::exists(installed(
        QStringLiteral("share/pixmaps/%1.xpm").arg(entry.value(QStringLiteral("Icon"))))));
}

// Docks and task bars tie a window to its menu entry by the entry's file
// name (the desktop file name, Wayland's app id) or, on X11, by the class the
// entry's StartupWMClass names.
TEST(DesktopEntry, IsTheProgramsOwnByItsFileNameAndItsWindowClass) {
    tavrin::ApplicationIdentity::apply();
    EXPECT_EQ(QGuiApplication::desktopFileName() + QStringLiteral(".desktop"),
              QFileInfo(kDesktopFile).fileName());
    const QMap<QString, QString> entry = desktopEntry(installed(kDesktopFile));
    EXPECT_EQ(entry.value(QStringLiteral("StartupWMClass")), QGuiApplication::applicationName());
}

// ---- the icons ----

QImage sourceIcon() {
    return QImage(QStringLiteral(TAVRIN_ICON_SOURCE)).convertToFormat(QImage::Format_ARGB32);
}

class IconTheme : public ::testing::TestWithParam<int> {};

// Each size shows the program's own 32 x 32 picture, every output pixel the
// source pixel it covers: hard edges and a transparent ground at any size.
TEST_P(IconTheme, PngIsTheProgramIconAtItsFolderSize) {
    const int size = GetParam();
    QImageReader reader(installed(
        QStringLiteral("share/icons/hicolor/%1x%1/apps/" TAVRIN_APP_ID ".png").arg(size)));
    EXPECT_EQ(reader.format(), QByteArray("png"));
    const QImage icon = reader.read().convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(icon.isNull()) << reader.errorString().toStdString();
    ASSERT_EQ(icon.size(), QSize(size, size));
    const QImage source = sourceIcon();
    ASSERT_EQ(source.size(), QSize(32, 32));
    int mismatches = 0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QRgb want = source.pixel(x * 32 / size, y * 32 / size);
            const QRgb got = icon.pixel(x, y);
            const bool same = qAlpha(want) == 0 ? qAlpha(got) == 0 : got == want;
            if (!same && ++mismatches <= 5) {
                ADD_FAILURE() << "pixel " << x << "," << y << ": " << std::hex << got
                              << " where the icon has " << want;
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
}

INSTANTIATE_TEST_SUITE_P(Install, IconTheme, ::testing::Values(32, 48, 64, 128));

struct CopiedFile {
    const char* installedPath;
    const char* sourcePath;
};

void PrintTo(const CopiedFile& file, std::ostream* os) {
    *os << file.installedPath;
}

class InstalledCopy : public ::testing::TestWithParam<CopiedFile> {};

TEST_P(InstalledCopy, IsItsSourceUnchanged) {
    QFile source(QString::fromUtf8(GetParam().sourcePath));
    QFile copy(installed(QString::fromUtf8(GetParam().installedPath)));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), source.readAll());
}

// The licence travels with the programs, as it asks.
INSTANTIATE_TEST_SUITE_P(
    Install, InstalledCopy,
    ::testing::Values(CopiedFile{"share/pixmaps/" TAVRIN_APP_ID ".xpm", TAVRIN_ICON_SOURCE},
                      CopiedFile{"share/doc/tavrin/LICENSE", TAVRIN_LICENSE_SOURCE}));

// ---- the command lines ----

struct CommandLineCase {
    const char* program;
    QStringList arguments;
    int exitCode;
    const char* standardOutput; // what it starts with; nullptr for nothing
    const char* standardError;  // what it contains; nullptr for nothing
};

void PrintTo(const CommandLineCase& c, std::ostream* os) {
    *os << c.program << " " << c.arguments.join(QLatin1Char(' ')).toStdString();
}

class InstalledCommandLine : public ::testing::TestWithParam<CommandLineCase> {};

// Answered without a display: no DISPLAY, no WAYLAND_DISPLAY, no platform.
TEST_P(InstalledCommandLine, AnswersWithoutADisplay) {
    const CommandLineCase& c = GetParam();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QString::fromLatin1(name));
    }
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(installed(QString::fromLatin1(c.program)), c.arguments);
    ASSERT_TRUE(process.waitForFinished(30000)) << process.errorString().toStdString();
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    const QString err = QString::fromUtf8(process.readAllStandardError());
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), c.exitCode) << err.toStdString();
    if (c.standardOutput) {
        EXPECT_TRUE(out.startsWith(QString::fromUtf8(c.standardOutput))) << out.toStdString();
    } else {
        EXPECT_EQ(out, QString());
    }
    if (c.standardError) {
        EXPECT_TRUE(err.contains(QString::fromUtf8(c.standardError))) << err.toStdString();
    } else {
        EXPECT_EQ(err, QString());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Install, InstalledCommandLine,
    ::testing::Values(
        CommandLineCase{"bin/tavrin", {"--version"}, 0, "tavrin " TAVRIN_VERSION "\n", nullptr},
        CommandLineCase{"bin/tavrin", {"-v"}, 0, "tavrin " TAVRIN_VERSION "\n", nullptr},
        CommandLineCase{"bin/tavrin", {"--help"}, 0, "使い方: tavrin [オプション]\n", nullptr},
        CommandLineCase{"bin/tavrin", {"-h"}, 0, "使い方: tavrin [オプション]\n", nullptr},
        CommandLineCase{"bin/tavrin", {"--frobnicate"}, 2, nullptr, "--frobnicate"},
        CommandLineCase{"bin/tavrin", {"-x"}, 2, nullptr, "-x"},
        CommandLineCase{"bin/tavrin", {"tavrin.mdb"}, 2, nullptr, "tavrin.mdb"},
        CommandLineCase{"bin/tavrin", {"--version", "extra"}, 2, nullptr, "extra"},
        CommandLineCase{"bin/tavrin", {}, 1, nullptr, "DISPLAY"},
        CommandLineCase{
            "bin/tavrin-mkdb", {"--version"}, 0, "tavrin-mkdb " TAVRIN_VERSION "\n", nullptr},
        CommandLineCase{"bin/tavrin-mkdb", {"--help"}, 0, "usage: tavrin-mkdb", nullptr},
        CommandLineCase{"bin/tavrin-mkdb", {"--jet5", "in.csv", "out.mdb"}, 2, nullptr, "jet5"},
        CommandLineCase{"bin/tavrin-mkdb", {"in.csv"}, 2, nullptr, "usage: tavrin-mkdb"}));

// The help names where the data and the settings are.
TEST(InstalledViewerHelp, NamesTheDataFileAndTheSettingsFile) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.remove(QStringLiteral("XDG_CONFIG_HOME"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(installed(QStringLiteral("bin/tavrin")), {QStringLiteral("--help")});
    ASSERT_TRUE(process.waitForFinished(30000));
    const QString help = QString::fromUtf8(process.readAllStandardOutput());
    EXPECT_TRUE(help.contains(QString::fromUtf8("作業フォルダーの tavrin.mdb")))
        << help.toStdString();
    EXPECT_TRUE(help.contains(home.filePath(QStringLiteral(".config/Tavrin/Tavrin.ini"))))
        << help.toStdString();
    EXPECT_FALSE(QFileInfo::exists(home.filePath(QStringLiteral(".config"))))
        << "--help wrote settings";
}

// A plain start with no display to connect to says so in one line of its
// own, whichever platform that needs one is asked for.
TEST(InstalledViewer, WithoutADisplaySaysSoInOneLineAndEndsWith1) {
    for (const QString platform : {"", "xcb", "wayland", "wayland;xcb", "xcb:nograb"}) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(installed(QStringLiteral("bin/tavrin")), {});
        ASSERT_TRUE(process.waitForFinished(30000)) << platform.toStdString();
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << platform.toStdString();
        EXPECT_EQ(process.exitCode(), 1) << platform.toStdString();
        EXPECT_EQ(QString::fromUtf8(process.readAllStandardError()),
                  QString::fromUtf8("tavrin: デスクトップのセッションの中で起動してください"
                                    "（DISPLAY も WAYLAND_DISPLAY も設定されていません）。\n"))
            << platform.toStdString();
        EXPECT_EQ(process.readAllStandardOutput(), QByteArray()) << platform.toStdString();
    }
}

// ---- the installed programs at work ----

TEST(InstalledReader, ReadsTheSampleTableFromThePrefix) {
    QProcess reader;
    reader.start(installed(QStringLiteral("libexec/tavrin/tavrin-read")),
                 {QStringLiteral(TAVRIN_SAMPLE_DATA), QStringLiteral("Kelvor")});
    ASSERT_TRUE(reader.waitForFinished(30000)) << reader.errorString().toStdString();
    EXPECT_EQ(reader.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(reader.exitCode(), 0) << reader.readAllStandardError().toStdString();
    JetReadResult result;
    ASSERT_TRUE(tavrin::ReaderAnswer::decode(reader.readAllStandardOutput(), result));
    EXPECT_TRUE(result.ok()) << result.message.toStdString();
    EXPECT_FALSE(result.table.rows.empty());
}

const QString kNoReader = QStringLiteral("読み込みプログラム");

// Tells when some process opens a file, over inotify.
class OpenWatch {
public:
    explicit OpenWatch(const QString& path)
        : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)),
          watch_(fd_ < 0 ? -1
                         : inotify_add_watch(fd_, QFile::encodeName(path).constData(), IN_OPEN)) {}
    ~OpenWatch() {
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    OpenWatch(const OpenWatch&) = delete;
    OpenWatch& operator=(const OpenWatch&) = delete;

    bool valid() const { return watch_ >= 0; }

    // Whether the file was opened within `milliseconds`.
    bool wait(int milliseconds) const {
        pollfd events{fd_, POLLIN, 0};
        return valid() && poll(&events, 1, milliseconds) > 0;
    }

private:
    int fd_;
    int watch_;
};

struct ViewerRun {
    bool dataOpened = false;
    bool stillRunning = false;
    QString stderrText;
};

// Starts `viewer` headless in a folder holding a copy of the sample data, as a
// desktop would start it (a home and settings of its own), waits until the
// data file has been opened or the viewer has said something, lets the viewer
// run two seconds more and ends it.
ViewerRun runViewer(const QString& viewer, const QTemporaryDir& home) {
    ViewerRun run;
    const QString data = home.filePath(QStringLiteral("tavrin.mdb"));
    if (!QFile::copy(QStringLiteral(TAVRIN_SAMPLE_DATA), data)) {
        return run;
    }
    const OpenWatch watch(data);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral(".config")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(home.path());
    process.start(viewer, {});
    if (!process.waitForStarted(10000)) {
        return run;
    }
    process.setReadChannel(QProcess::StandardError);
    for (int waited = 0; !run.dataOpened && !run.stderrText.contains(QStringLiteral("tavrin: ")) &&
                         waited < 60000 && process.state() == QProcess::Running;
         waited += 100) {
        run.dataOpened = watch.wait(50);
        process.waitForReadyRead(50);
        run.stderrText += QString::fromLocal8Bit(process.readAllStandardError());
    }
    run.stillRunning = !process.waitForFinished(2000);
    process.kill();
    process.waitForFinished(10000);
    run.stderrText += QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

TEST(InstalledViewer, RunsHeadlessOnTheInstalledReader) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const ViewerRun run = runViewer(installed(QStringLiteral("bin/tavrin")), home);
    EXPECT_TRUE(run.dataOpened) << run.stderrText.toStdString();
    EXPECT_TRUE(run.stillRunning) << run.stderrText.toStdString();
    EXPECT_FALSE(run.stderrText.contains(kNoReader)) << run.stderrText.toStdString();
}

// The check above would see a viewer that misses its reader: the same viewer
// copied away from the prefix says where it looked, reads nothing and runs on.
TEST(InstalledViewer, CopiedAwayFromItsReaderSaysWhereItLookedAndRunsOn) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QString lonely = home.filePath(QStringLiteral("bin/tavrin"));
    ASSERT_TRUE(QDir(home.path()).mkdir(QStringLiteral("bin")));
    ASSERT_TRUE(QFile::copy(installed(QStringLiteral("bin/tavrin")), lonely));
    const ViewerRun run = runViewer(lonely, home);
    EXPECT_FALSE(run.dataOpened) << run.stderrText.toStdString();
    EXPECT_TRUE(run.stillRunning) << run.stderrText.toStdString();
    // Said once, on one line that names both places.
    EXPECT_EQ(run.stderrText.count(kNoReader), 1) << run.stderrText.toStdString();
    const QString line = run.stderrText.section(kNoReader, 1).section(u'\n', 0, 0);
    EXPECT_TRUE(line.contains(QStringLiteral("「%1」").arg(home.filePath("bin/tavrin-read"))))
        << line.toStdString();
    EXPECT_TRUE(line.contains(QStringLiteral("libexec/tavrin/tavrin-read」")))
        << line.toStdString();
}

// The class the installed viewer's window carries on an X server is the one
// its menu entry names.
TEST(InstalledViewer, ItsWindowHasTheClassItsMenuEntryNames) {
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty()) {
        GTEST_SKIP() << "xdotool is not installed";
    }
    tavrin::test::XvfbSession server;
    if (!server.start()) {
        GTEST_SKIP() << "Xvfb is not installed or did not start";
    }
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    ASSERT_TRUE(QFile::copy(QStringLiteral(TAVRIN_SAMPLE_DATA),
                            home.filePath(QStringLiteral("tavrin.mdb"))));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(server.display()));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral(".config")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    QProcess viewer;
    viewer.setProcessEnvironment(environment);
    viewer.setWorkingDirectory(home.path());
    viewer.start(installed(QStringLiteral("bin/tavrin")), {});
    ASSERT_TRUE(viewer.waitForStarted(10000));
    QString window;
    for (int waited = 0; window.isEmpty() && waited < 60000 && viewer.state() == QProcess::Running;
         waited += 200) {
        window =
            tavrin::test::runTool(QStringLiteral("xdotool"),
                                  {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                   QStringLiteral("--pid"), QString::number(viewer.processId())})
                .section(u'\n', 0, 0)
                .trimmed();
        if (window.isEmpty()) {
            viewer.waitForFinished(200);
        }
    }
    const QString wmClass =
        window.isEmpty() ? QString() : tavrin::test::property(window.toULongLong(), "WM_CLASS");
    viewer.kill();
    viewer.waitForFinished(10000);
    ASSERT_FALSE(window.isEmpty()) << viewer.readAllStandardError().toStdString();
    // WM_CLASS(STRING) = "instance", "class"
    const QStringList names = wmClass.section(u'=', 1).split(u',');
    ASSERT_EQ(names.size(), 2) << wmClass.toStdString();
    const QString windowClass = names.at(1).trimmed().remove(u'"');
    EXPECT_EQ(windowClass,
              desktopEntry(installed(kDesktopFile)).value(QStringLiteral("StartupWMClass")));
    EXPECT_FALSE(windowClass.isEmpty());
}

} // namespace
