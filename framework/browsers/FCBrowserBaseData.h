// Record browsers walk one kind of host data record from its first record to
// its last with a single record object, loading each record into it in turn
// and handing it to an iterator handler. Nothing is kept between calls.
#pragma once

#include "framework/browsers/FCBrowserBase.h"
#include "framework/core/FCBaseData.h"
#include "framework/records/RecordFamilies.h"

class __FCBrowserBaseData : public __FCBrowserBase {
 public:
  const char* ClassName() const override { return "__FCBrowserBaseData"; }
  // Every record of the kind; the count of Iterate calls that returned true.
  int ForEach(FCIteratorHandler* handler) override;
  // The first record Match accepts, loaded; the caller owns it. None when no
  // record matches.
  __FCBase* FindFirst(FCIteratorHandler* handler) override;
  // A new, unloaded record object of the browser's kind.
  virtual __FCBaseData* CreateAnObject() = 0;
};

// Browsers of numbered records without incident, which can also start at an
// item number of the caller's choice.
class __FCBrowserNoInciOther : public __FCBrowserBaseData {
 public:
  const char* ClassName() const override { return "__FCBrowserNoInciOther"; }
  __FCNoInciOther* CreateAnObject() override = 0;

  // The item, loaded; the caller owns it. None when the host lacks the item.
  __FCNoInciOther* LoadAnElement(unsigned short item);
  // The item and every later record, without the handler's Pre and Post
  // calls; the count of Iterate calls that returned true.
  int ToEndFrom(unsigned short item, FCIteratorHandler* handler);
  // The records reachable from item number 0: none when item 0 is missing.
  int GetCount();
};
