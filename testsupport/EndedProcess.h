#pragma once

#include <QtGlobal>

// The id of a process that has just ended: a staging file named for it belongs to no running
// program, as after a kill.
qint64 EndedProcessId();
