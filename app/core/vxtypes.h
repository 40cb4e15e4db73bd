#pragma once

#include <QtGlobal>

// Attendee numbers, call-number slots, status bytes and times travel as one
// unsigned byte each, on the wire and through the link's signals.
using byte = quint8;
