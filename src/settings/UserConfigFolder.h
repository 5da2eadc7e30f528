// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace tavrin {

// The user's configuration folder: $XDG_CONFIG_HOME where it is an absolute
// path, else .config in the home folder, which is $HOME or, where that is not
// set, the account's home in the password database. A home that is not an
// absolute path, or that is the root folder, is none; with none the answer is
// empty, never a folder at the root.
class UserConfigFolder {
public:
    // From the environment and the password database.
    static QString find();
    // From the three places given.
    static QString from(const QString& xdgConfigHome, const QString& home,
                        const QString& accountHome);
    // The home folder of the account the program runs as, from the password
    // database; empty where it has none.
    static QString accountHome();
};

} // namespace tavrin
