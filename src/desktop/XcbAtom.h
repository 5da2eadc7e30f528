// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT
#pragma once

#include <xcb/xproto.h>

namespace tavrin {

// The atom of `name` on the X server; XCB_ATOM_NONE where no client has
// made it yet (nothing can then carry it) or the server does not answer.
xcb_atom_t xcbAtom(xcb_connection_t* connection, const char* name);

} // namespace tavrin
