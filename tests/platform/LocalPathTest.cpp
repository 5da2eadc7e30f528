// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT
#include "LocalPath.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavrin {
namespace {

// Every name comes back byte for byte; valid UTF-8 reads as its text.
TEST(LocalPath, KeepsEveryNameByteForByte) {
    const QByteArray names[] = {
        "/home/user/寸法表",
        "/tmp/\xff\xfe",                           // Latin-1 or random bytes
        "/tmp/\x83\x5e\x83\x75",                   // Shift_JIS
        "/tmp/\xed\xb2\x80",                       // an encoded surrogate
        "/tmp/\xc0\xaf",                           // an overlong '/'
        "/tmp/\xe6\x97",                           // a cut sequence at the end
        "/tmp/\xf4\x90\x80\x80x",                  // past U+10FFFF
        "/tmp/ok\xe6\x97\xa5\x80\xf0\x9f\x98\x80", // a stray continuation between good ones
    };
    for (const QByteArray& name : names) {
        const QString text = LocalPath::fromBytes(name);
        EXPECT_EQ(LocalPath::toBytes(text), name) << name.toHex().toStdString();
    }
    EXPECT_EQ(LocalPath::fromBytes("/home/user/寸法表"), QStringLiteral("/home/user/寸法表"));
    EXPECT_EQ(LocalPath::forDisplay(LocalPath::fromBytes("/tmp/a\xff"
                                                         "b")),
              QStringLiteral("/tmp/a\uFFFDb"));
}

class WorkingDirectory : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(getcwd(start_, sizeof start_), nullptr); }
    void TearDown() override { ASSERT_EQ(chdir(start_), 0); }
    char start_[4096];
};

TEST_F(WorkingDirectory, IsTheFolderAsTheFileSystemNamesIt) {
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path()) + "/\xff\x83\x5e";
    ASSERT_EQ(mkdir(folder.constData(), 0700), 0);
    ASSERT_EQ(chdir(folder.constData()), 0);
    EXPECT_EQ(LocalPath::toBytes(LocalPath::workingDirectory()), folder);
    ASSERT_EQ(chdir(start_), 0);
    EXPECT_EQ(rmdir(folder.constData()), 0);
}

// A deleted folder is named as the kernel names it, a path that does not
// lead anywhere: not the root, and not the folder's old name either.
TEST_F(WorkingDirectory, IsNowhereOnceDeleted) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("gone");
    ASSERT_TRUE(QDir().mkdir(folder));
    ASSERT_EQ(chdir(QFile::encodeName(folder).constData()), 0);
    ASSERT_TRUE(QDir().rmdir(folder));
    ASSERT_TRUE(QDir().mkdir(folder)); // a new folder by the old name
    const QString named = LocalPath::workingDirectory();
    EXPECT_TRUE(named.startsWith(folder)) << named.toStdString();
    EXPECT_NE(named, folder);
    EXPECT_FALSE(QDir(named).exists()) << named.toStdString();
}

} // namespace
} // namespace tavrin
