// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

// The settings store over QSettings, in a configuration folder of its own:
// main() points HOME and XDG_CONFIG_HOME at a temporary folder before Qt
// reads them.
#include "IniText.h"
#include "PositionFixture.h"
#include "QSettingsStore.h"
#include "UserConfigFolder.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QSettings>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace tavrin {
namespace {

using test::ProgramRun;
using test::RecordingWindowManager;
using test::WarningLog;

const QString kSection = QStringLiteral("Form1_StrtUp");

QString configHome() {
    return qEnvironmentVariable("XDG_CONFIG_HOME");
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

TEST(QSettingsStoreTest, KeepsTextsPerKeyInTheUsersConfigFolder) {
    QSettingsStore store(QStringLiteral("Texts"));
    const QString file = configHome() + "/Texts/Tavrin.ini";
    EXPECT_EQ(store.fileName("Tavrin"), file);

    EXPECT_EQ(store.read("Tavrin", kSection, "X1", "7"), "7");
    EXPECT_FALSE(QFile::exists(file)); // a read writes nothing

    for (const QString& text : {QString("600"), QString("-150"), QString("1,5"), QString("abc"),
                                QString(), QString(" 12 "), QString("７０６５")}) {
        SCOPED_TRACE(text.toStdString());
        ASSERT_TRUE(store.write("Tavrin", kSection, "X1", text));
        EXPECT_EQ(store.read("Tavrin", kSection, "X1", "7"), text);
    }
    ASSERT_TRUE(store.write("Tavrin", kSection, "X1", "600"));
    ASSERT_TRUE(store.write("Tavrin", kSection, "Y1", "450"));
    ASSERT_TRUE(store.write("Tavrin", kSection, "X1", "1200")); // replaces, deletes nothing
    EXPECT_EQ(store.read("Tavrin", kSection, "X1", "7"), "1200");
    EXPECT_EQ(store.read("Tavrin", kSection, "Y1", "7"), "450");
    const QByteArray ini = contents(file);
    EXPECT_TRUE(ini.contains("[Form1_StrtUp]")) << ini.toStdString();
    EXPECT_TRUE(ini.contains("X1=1200")) << ini.toStdString();
    EXPECT_TRUE(ini.contains("Y1=450")) << ini.toStdString();
}

TEST(QSettingsStoreTest, ReadsAValueWrittenByHand) {
    writeFile(configHome() + "/Hand/Tavrin.ini", "[Form1_StrtUp]\nX1=abc\nY1=-90\nZ=1, 2\n");
    QSettingsStore store(QStringLiteral("Hand"));
    EXPECT_EQ(store.read("Tavrin", kSection, "X1", "0"), "abc");
    EXPECT_EQ(store.read("Tavrin", kSection, "Y1", "0"), "-90");
    EXPECT_EQ(store.read("Tavrin", kSection, "Z", "0"), ""); // a list is no single text
}

TEST(QSettingsStoreTest, AStoreThatCannotBeWrittenSaysSo) {
    // The folder for the file is taken by a file.
    writeFile(configHome() + "/Blocked", "not a folder");
    QSettingsStore store(QStringLiteral("Blocked"));
    WarningLog warnings;
    EXPECT_FALSE(store.write("Tavrin", kSection, "X1", "600"));
    EXPECT_TRUE(warnings.mentions("cannot write")) << warnings.lines().join('\n').toStdString();
    EXPECT_EQ(contents(configHome() + "/Blocked"), "not a folder");

    if (geteuid() != 0) {
        // A folder the user may not write to keeps its file as it was.
        QSettingsStore readOnly(QStringLiteral("ReadOnly"));
        const QString file = configHome() + "/ReadOnly/Tavrin.ini";
        writeFile(file, "[Form1_StrtUp]\nX1=15\nY1=30\n");
        QFile::setPermissions(file, QFile::ReadOwner);
        QFile::setPermissions(QFileInfo(file).path(), QFile::ReadOwner | QFile::ExeOwner);
        EXPECT_FALSE(readOnly.write("Tavrin", kSection, "X1", "600"));
        EXPECT_EQ(contents(file), "[Form1_StrtUp]\nX1=15\nY1=30\n");
        QFile::setPermissions(QFileInfo(file).path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    }
}

TEST(QSettingsStoreTest, AFrameCloseWritesBothKeysAndTheNextStartOpensThere) {
    QSettingsStore store;
    const QString file = configHome() + "/Tavrin/Tavrin.ini";
    RecordingWindowManager windowManager;
    {
        ProgramRun run(store, windowManager);
        Form1& form = run.start();
        EXPECT_EQ(form.frameGeometry().topLeft(), QPoint(0, 0));
        EXPECT_FALSE(QFile::exists(file));
        form.move(40, 30);
        form.close();
        QCoreApplication::processEvents();
    }
    const QByteArray ini = contents(file);
    EXPECT_TRUE(ini.contains("[Form1_StrtUp]")) << ini.toStdString();
    EXPECT_TRUE(ini.contains("X1=600")) << ini.toStdString();
    EXPECT_TRUE(ini.contains("Y1=450")) << ini.toStdString();

    ProgramRun next(store, windowManager);
    EXPECT_EQ(next.start().frameGeometry().topLeft(), QPoint(40, 30));
}

TEST(QSettingsStoreTest, AHandEditedBadValueIsIgnoredAndTheNextSaveReplacesIt) {
    writeFile(configHome() + "/Bad/Tavrin.ini", "[Form1_StrtUp]\nX1=abc\nY1=450\n");
    QSettingsStore store(QStringLiteral("Bad"));
    RecordingWindowManager windowManager;
    WarningLog warnings;
    ProgramRun run(store, windowManager);
    Form1& form = run.start();
    EXPECT_EQ(form.frameGeometry().topLeft(), QPoint(0, 30));
    EXPECT_TRUE(warnings.mentions("\"abc\"")) << warnings.lines().join('\n').toStdString();
    EXPECT_TRUE(run.programEnd.exitCodes.empty());
    form.move(40, 30);
    form.close();
    EXPECT_EQ(store.read("Tavrin", kSection, "X1", ""), "600");
}

// Closes the window from its frame and answers how long the close took, in
// milliseconds.
qint64 closeFromFrame(Form1& form) {
    QElapsedTimer timer;
    timer.start();
    form.close();
    QCoreApplication::processEvents();
    return timer.elapsed();
}

TEST(QSettingsStoreTest, ALockThatIsNeverFreedEndsTheSaveWithinItsBound) {
    const QByteArray earlier = "[Form1_StrtUp]\nX1=15\nY1=30\n";
    // A folder in the lock file's place, and a lock that a live program holds.
    for (const bool folder : {true, false}) {
        SCOPED_TRACE(folder ? "folder" : "held");
        const QString organization = folder ? "LockFolder" : "LockHeld";
        const QString file = configHome() + "/" + organization + "/Tavrin.ini";
        writeFile(file, earlier);
        QLockFile held(file + ".lock");
        if (folder) {
            ASSERT_TRUE(QDir().mkpath(file + ".lock/inside"));
        } else {
            ASSERT_TRUE(held.tryLock(0));
        }
        QSettingsStore store(organization, configHome(), std::chrono::milliseconds(1500));
        WarningLog warnings;
        QElapsedTimer timer;
        timer.start();
        EXPECT_FALSE(store.write("Tavrin", kSection, "X1", "600"));
        EXPECT_LT(timer.elapsed(), 2500);
        EXPECT_TRUE(warnings.mentions("lock")) << warnings.lines().join('\n').toStdString();
        EXPECT_EQ(contents(file), earlier);
        EXPECT_EQ(store.read("Tavrin", kSection, "X1", ""), "15"); // a read takes no lock

        // The frame close that saves ends within three seconds, with the box.
        RecordingWindowManager windowManager;
        ProgramRun run(store, windowManager);
        Form1& form = run.start();
        EXPECT_LT(closeFromFrame(form), 3000);
        EXPECT_EQ(run.messages.handlerErrors.size(), 1);
        EXPECT_EQ(run.programEnd.exitCodes, std::vector<int>{1});
        EXPECT_EQ(contents(file), earlier);
    }
}

TEST(QSettingsStoreTest, AFileThatCannotBeParsedWarnsOnReadAndIsNeverWrittenOver) {
    const QByteArray broken("\0[Form1_StrtUp]\nX1=600\nY1=450\n", 29);
    const QString file = configHome() + "/Broken/Tavrin.ini";
    writeFile(file, broken);
    QSettingsStore store(QStringLiteral("Broken"));
    {
        WarningLog warnings;
        EXPECT_EQ(store.read("Tavrin", kSection, "X1", "7"), "7");
        EXPECT_TRUE(warnings.mentions("cannot read " + file))
            << warnings.lines().join('\n').toStdString();
        EXPECT_FALSE(store.writeAll("Tavrin", kSection, {{"X1", "15"}, {"Y1", "30"}}));
        EXPECT_TRUE(warnings.mentions("cannot write " + file))
            << warnings.lines().join('\n').toStdString();
    }
    EXPECT_EQ(contents(file), broken);

    // The window opens at its own position and its close reports the refusal.
    RecordingWindowManager windowManager;
    ProgramRun run(store, windowManager);
    Form1& form = run.start();
    EXPECT_EQ(form.frameGeometry().topLeft(), QPoint(0, 0));
    form.move(40, 30);
    closeFromFrame(form);
    EXPECT_EQ(run.messages.handlerErrors.size(), 1);
    EXPECT_EQ(contents(file), broken);
}

// What the file system says of a path itself (not of what a link names).
struct PathState {
    mode_t type = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    QString target; // of a link

    bool operator==(const PathState& other) const {
        return type == other.type && inode == other.inode && size == other.size &&
               modified.tv_sec == other.modified.tv_sec &&
               modified.tv_nsec == other.modified.tv_nsec && target == other.target;
    }
};

PathState pathState(const QString& path) {
    PathState state;
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) == 0) {
        state = {info.st_mode & S_IFMT, info.st_ino, info.st_size, info.st_mtim,
                 QFileInfo(path).symLinkTarget()};
    }
    return state;
}

TEST(QSettingsStoreTest, ASpecialOrOversizedFileIsNeitherReadNorWrittenOver) {
    const QByteArray header = "[Form1_StrtUp]\nX1=600\n";
    const QByteArray pastTheBound =
        header + ';' + QByteArray(QSettingsStore::kMaxFileBytes - header.size() - 1, 'x') + '\n';
    const QByteArray hugeNumber = "[Form1_StrtUp]\nY1=" + QByteArray(30 * 1024 * 1024, '7');
    const struct {
        const char* name;
        std::function<bool(const QString&)> make;
    } cases[] = {
        {"a link to /dev/zero", [](const QString& file) { return QFile::link("/dev/zero", file); }},
        {"a FIFO",
         [](const QString& file) { return ::mkfifo(QFile::encodeName(file), 0600) == 0; }},
        {"a folder", [](const QString& file) { return QDir().mkpath(file); }},
        {"one byte past the bound",
         [&](const QString& file) {
             writeFile(file, pastTheBound);
             return QFileInfo(file).size() == QSettingsStore::kMaxFileBytes + 1;
         }},
        {"a number of 30 MB",
         [&](const QString& file) {
             writeFile(file, hugeNumber);
             return true;
         }},
    };
    int number = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString organization = QStringLiteral("Special%1").arg(number++);
        const QString file = configHome() + "/" + organization + "/Tavrin.ini";
        ASSERT_TRUE(QDir().mkpath(QFileInfo(file).path()));
        ASSERT_TRUE(c.make(file));
        const PathState before = pathState(file);
        QSettingsStore store(organization);
        WarningLog warnings;
        EXPECT_EQ(store.read("Tavrin", kSection, "X1", "7"), "7");
        EXPECT_EQ(store.read("Tavrin", kSection, "Y1", "8"), "8");
        // One warning, naming the file, and short.
        EXPECT_EQ(warnings.lines().size(), 1) << warnings.lines().join('\n').toStdString();
        EXPECT_TRUE(warnings.mentions(file)) << warnings.lines().join('\n').toStdString();
        for (const QString& line : warnings.lines()) {
            EXPECT_LT(line.size(), 300);
        }
        EXPECT_FALSE(store.writeAll("Tavrin", kSection, {{"X1", "15"}, {"Y1", "30"}}));
        EXPECT_EQ(pathState(file), before);
        EXPECT_EQ(
            QDir(QFileInfo(file).path())
                .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList({"Tavrin.ini"}));
    }

    // A file of just the bound is read and written.
    const QString file = configHome() + "/AtTheBound/Tavrin.ini";
    writeFile(file, pastTheBound.chopped(1));
    QSettingsStore store(QStringLiteral("AtTheBound"));
    EXPECT_EQ(store.read("Tavrin", kSection, "X1", "7"), "600");
    EXPECT_TRUE(store.write("Tavrin", kSection, "X1", "900"));
    EXPECT_EQ(store.read("Tavrin", kSection, "X1", "7"), "900");
}

TEST(QSettingsStoreTest, ALongNumberWithinTheBoundIsQuotedShortInItsWarning) {
    writeFile(configHome() + "/LongNumber/Tavrin.ini",
              "[Form1_StrtUp]\nX1=600\nY1=" + QByteArray(60000, '7') + "\n");
    QSettingsStore store(QStringLiteral("LongNumber"));
    RecordingWindowManager windowManager;
    WarningLog warnings;
    ProgramRun run(store, windowManager);
    EXPECT_EQ(run.start().frameGeometry().topLeft(), QPoint(40, 0));
    EXPECT_TRUE(warnings.mentions("Form1_StrtUp/Y1")) << warnings.lines().join('\n').toStdString();
    for (const QString& line : warnings.lines()) {
        EXPECT_LT(line.size(), 200) << line.left(300).toStdString();
    }
}

// Sets an environment variable for the length of a scope.
class EnvironmentVariable {
public:
    EnvironmentVariable(const char* name, const QByteArray& value)
        : name_(name), earlier_(qgetenv(name)), wasSet_(qEnvironmentVariableIsSet(name)) {
        qputenv(name, value);
    }
    ~EnvironmentVariable() { wasSet_ ? qputenv(name_, earlier_) : qunsetenv(name_); }
    EnvironmentVariable(const EnvironmentVariable&) = delete;
    EnvironmentVariable& operator=(const EnvironmentVariable&) = delete;

private:
    const char* name_;
    QByteArray earlier_;
    bool wasSet_;
};

TEST(QSettingsStoreTest, ReadsAndWritesWithoutATemporaryFolder) {
    const QString file = configHome() + "/NoTemp/Tavrin.ini";
    // A folder that does not exist, and one that nobody may write in.
    for (const char* temporary : {"/nonexistent-tavrin-temporary", "/proc"}) {
        SCOPED_TRACE(temporary);
        writeFile(file, "[Form1_StrtUp]\nX1=600\nY1=450\n");
        const EnvironmentVariable tmpdir("TMPDIR", temporary);
        QSettingsStore store(QStringLiteral("NoTemp"));
        WarningLog warnings;
        EXPECT_EQ(store.read("Tavrin", kSection, "X1", "7"), "600");
        EXPECT_TRUE(store.writeAll("Tavrin", kSection, {{"X1", "15"}, {"Y1", "30"}}));
        EXPECT_EQ(contents(file), "[Form1_StrtUp]\nX1=15\nY1=30\n");
        EXPECT_TRUE(warnings.lines().isEmpty()) << warnings.lines().join('\n').toStdString();
    }
}

// What QSettings itself makes of a file's bytes.
class QSettingsReading {
public:
    explicit QSettingsReading(const QByteArray& bytes)
        : path_(folder_.filePath(QStringLiteral("look.ini"))) {
        QFile file(path_);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(bytes);
        }
        file.close();
        settings_ = std::make_unique<QSettings>(path_, QSettings::IniFormat);
    }
    QSettings& settings() { return *settings_; }

private:
    QTemporaryDir folder_;
    QString path_;
    std::unique_ptr<QSettings> settings_;
};

TEST(QSettingsStoreTest, ReadsWhatQSettingsWritesAndWritesWhatItReads) {
    const QString texts[] = {"600",
                             "-150",
                             "0.5",
                             "1,5",
                             " 12 ",
                             "",
                             "abc",
                             "a\"b\\c",
                             "７０６５",
                             "٥٢٥٠",
                             "x;y=z",
                             "@x",
                             "@@y",
                             "line\nbreak\ttab\r",
                             QString(QChar(0)) + "1f",
                             "\x01"
                             "f",
                             "trailing\\",
                             "\"quoted\""};
    const QString file = configHome() + "/Format/Tavrin.ini";
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        // Written by QSettings (an earlier version of the program), read here.
        QFile::remove(file);
        {
            QSettings earlier(file, QSettings::IniFormat);
            earlier.setValue("Form1_StrtUp/X1", text);
            earlier.setValue("Other/Z", QStringList({"1", "2"}));
        }
        QSettingsStore store(QStringLiteral("Format"));
        EXPECT_EQ(store.read("Tavrin", kSection, "X1", "7"), text);
        EXPECT_EQ(store.read("Tavrin", "Other", "Z", "7"), ""); // a list is no single text

        // Written here, read by QSettings, with the other keys as they were.
        ASSERT_TRUE(store.writeAll("Tavrin", kSection, {{"X1", text}, {"Y1", text + "2"}}));
        QSettingsReading reading(contents(file));
        EXPECT_EQ(reading.settings().status(), QSettings::NoError);
        EXPECT_EQ(reading.settings().value("Form1_StrtUp/X1").toString(), text);
        EXPECT_EQ(reading.settings().value("Form1_StrtUp/Y1").toString(), text + "2");
        EXPECT_EQ(reading.settings().value("Other/Z").toStringList(), QStringList({"1", "2"}));
        EXPECT_EQ(store.read("Tavrin", kSection, "X1", "7"), text);
    }

    // Texts of the characters the format treats apart, drawn at random (the
    // same each run): each reads back through QSettings as written, and what
    // QSettings writes reads back here.
    const QString alphabet = QStringLiteral(" \t\"\\,;=@#[]%/()xX0a1\n\r\u0001\u007f\u00e9\u30a2");
    quint32 seed = 12345;
    const auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 16; };
    for (int round = 0; round < 300; ++round) {
        QString text;
        for (quint32 length = next() % 9; length > 0; --length) {
            text += alphabet[static_cast<qsizetype>(next() % alphabet.size())];
        }
        SCOPED_TRACE(text.toStdString());
        QSettingsReading reading("[Form1_StrtUp]\nX1=" + IniText::escapedValue(text) + "\n");
        EXPECT_EQ(reading.settings().value("Form1_StrtUp/X1").toString(), text);
        QFile::remove(file);
        {
            QSettings earlier(file, QSettings::IniFormat);
            earlier.setValue("Form1_StrtUp/X1", text);
        }
        EXPECT_EQ(IniText(contents(file)).value(kSection, "X1"), text);
    }

    // A file as a user may have edited it: its comments, other sections and
    // line ends stay as they are, and a new key goes into its own section.
    const QByteArray edited = "; my settings\r\n[Other]\r\nA = 1 \r\n\r\n[Form1_StrtUp]\r\n"
                              "X1 = 15\r\n\r\n[Last]\r\nB=\"two, words\"";
    writeFile(file, edited);
    QSettingsStore store(QStringLiteral("Format"));
    EXPECT_EQ(store.read("Tavrin", kSection, "X1", "7"), "15");
    EXPECT_EQ(store.read("Tavrin", "Last", "B", "7"), "two, words");
    ASSERT_TRUE(store.writeAll("Tavrin", kSection, {{"X1", "600"}, {"Y1", "450"}}));
    EXPECT_EQ(contents(file), "; my settings\r\n[Other]\r\nA = 1 \r\n\r\n[Form1_StrtUp]\r\n"
                              "X1=600\r\nY1=450\r\n\r\n[Last]\r\nB=\"two, words\"");
    ASSERT_TRUE(store.write("Tavrin", "New", "C", "3"));
    EXPECT_TRUE(contents(file).endsWith("B=\"two, words\"\r\n\r\n[New]\r\nC=3\r\n"))
        << contents(file).toStdString();
    QSettingsReading reading(contents(file));
    EXPECT_EQ(reading.settings().status(), QSettings::NoError);
    EXPECT_EQ(reading.settings().allKeys(),
              QStringList({"Form1_StrtUp/X1", "Form1_StrtUp/Y1", "Last/B", "New/C", "Other/A"}));
}

TEST(UserConfigFolderTest, TakesTheFirstUsableFolderAndNeverTheRoot) {
    struct Case {
        const char* xdgConfigHome;
        const char* home;
        const char* accountHome;
        const char* folder;
    };
    const Case cases[] = {
        {"/x/config", "/home/u", "/home/a", "/x/config"},
        {"", "/home/u", "/home/a", "/home/u/.config"},
        {"relative", "/home/u/", "", "/home/u/.config"},
        {"", "", "/home/a", "/home/a/.config"},
        {"", "/", "/home/a", "/home/a/.config"},
        {"", "relative", "/home/a", "/home/a/.config"},
        {"/", "", "", ""},
        {"", "", "/", ""},
        {"", "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.xdgConfigHome) + " " + c.home + " " + c.accountHome);
        EXPECT_EQ(UserConfigFolder::from(c.xdgConfigHome, c.home, c.accountHome), c.folder);
    }
}

TEST(UserConfigFolderTest, WithHomeAndXdgConfigHomeUnsetTakesTheAccountsHome) {
    const QByteArray home = qgetenv("HOME");
    const QByteArray config = qgetenv("XDG_CONFIG_HOME");
    qunsetenv("HOME");
    qunsetenv("XDG_CONFIG_HOME");
    const QString found = UserConfigFolder::find();
    const QString account = UserConfigFolder::accountHome();
    qputenv("HOME", home);
    qputenv("XDG_CONFIG_HOME", config);
    ASSERT_FALSE(account.isEmpty());
    if (QDir::cleanPath(account) == "/") {
        EXPECT_EQ(found, "");
    } else {
        EXPECT_EQ(found, QDir::cleanPath(account) + "/.config");
    }
    EXPECT_FALSE(QSettingsStore(QStringLiteral("Unset")).fileName("Tavrin").startsWith("/.config"));
}

TEST(QSettingsStoreTest, WithNoFolderNothingIsKeptAndOneWarningSaysSo) {
    QSettingsStore store(QStringLiteral("Nowhere"), QString());
    EXPECT_EQ(store.fileName("Tavrin"), "");
    WarningLog warnings;
    RecordingWindowManager windowManager;
    {
        ProgramRun run(store, windowManager);
        Form1& form = run.start();
        form.move(40, 30);
        closeFromFrame(form);
        EXPECT_TRUE(run.messages.handlerErrors.isEmpty());
        EXPECT_TRUE(run.programEnd.exitCodes.empty());
    }
    EXPECT_EQ(warnings.lines().filter("no home folder").size(), 1)
        << warnings.lines().join('\n').toStdString();
    EXPECT_FALSE(QFile::exists("/.config/Nowhere"));
}

} // namespace
} // namespace tavrin

int main(int argc, char* argv[]) {
    const QTemporaryDir home;
    if (!home.isValid()) {
        return 1;
    }
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
