// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LoopbackHttpServer.h"

// A small community patch served on loopback where the launcher looks for it
// (VANTOR_PATCH_URL points there while this object lives), so that a run
// that gets past SteamCMD can finish.
class ServedPatch
{
public:
    ServedPatch();
    ~ServedPatch();
    ServedPatch(const ServedPatch &) = delete;
    ServedPatch &operator=(const ServedPatch &) = delete;

    bool isListening() const { return m_listening; }
    // How often the patch has been asked for.
    int requests() const;

private:
    LoopbackHttpServer m_server;
    bool m_listening = false;
};
