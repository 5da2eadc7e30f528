// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "ExcURL.h"
#include "RecordingShell.h"

#include <gtest/gtest.h>

namespace tavrin {
namespace {

TEST(ExcURLTest, HandsOnlyWebAddressesToTheShellsOpen) {
    struct Case {
        const char* address;
        bool handed;
    };
    const Case cases[] = {
        {"https://example.org/tavrin/", true},
        {"http://example.org", true},
        {"HTTPS://Example.org/a?b=c#d", true},
        {"https://例え.jp/", true},
        {"", false},
        {"https://", false},
        {"http:/nohost", false},
        {"example.org", false},
        {"file:///etc/passwd", false},
        {"/usr/bin/xterm", false},
        {"xterm", false},
        {"C:\\Windows\\notepad.exe", false},
        {"mailto:someone@example.org", false},
        {"javascript:alert(1)", false},
        {"ftp://example.org/", false},
        {"smb://server/share", false},
        {"https://exa mple.org/", false},
    };
    for (const Case& c : cases) {
        test::RecordingShell shell;
        const QString address = QString::fromUtf8(c.address);
        ExcURL::ShellExecute(shell, address);
        const QStringList expected =
            c.handed ? QStringList{QStringLiteral("open ") + address} : QStringList{};
        EXPECT_EQ(shell.calls, expected) << c.address;
    }
}

} // namespace
} // namespace tavrin
