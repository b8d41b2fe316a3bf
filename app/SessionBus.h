// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's session bus, tried before Qt's screen-reader bridge waits on it without end.
#pragma once

#include <chrono>
#include <string>

namespace orbulon {

// Whether the session bus at Address (a D-Bus address, as DBUS_SESSION_BUS_ADDRESS holds it)
// answers within Patience: the first of its unix sockets that takes a connection is asked to
// begin authenticating, which a bus answers at once. Addresses of other kinds, and sockets that
// refuse the connection, count as answering: with those Qt fails or succeeds without waiting.
bool SessionBusAnswers(const std::string& Address, std::chrono::milliseconds Patience);

// Run before the application is made. A session bus that takes connections and never answers
// would keep the window from ever appearing, for Qt's screen-reader bridge waits on it without
// end, and the game cannot give that wait a limit: such a bus is set aside for this run, with one
// line saying so, and the game plays without screen-reader support.
void SetAsideAMuteSessionBus();

}  // namespace orbulon
