// The root of every framework object.
#pragma once

#include "interface/HostTypes.h"

class __FCBase {
 public:
  virtual const char* ClassName() const { return "__FCBase"; }
  // Virtual from the root on: collections destroy their elements through it.
  virtual ~__FCBase() = default;

  // Set (true) or clear (false) the bits of mask in a flag word inside a host
  // record. The word may be misaligned; it is read and written bytewise.
  static void Set16BitFlag(unsigned short* target, unsigned short mask, bool set);
  static void Set32BitFlag(QxULong* target, QxULong mask, bool set);
};
