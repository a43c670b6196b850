// Walks the document's measure records, one FCMeasure at a time.
#pragma once

#include "framework/browsers/FCBrowserBaseData.h"
#include "framework/score/FCMeasure.h"

class FCBrowserMeasures : public __FCBrowserNoInciOther {
 public:
  const char* ClassName() const override { return "FCBrowserMeasures"; }
  int ForEach(FCIteratorHandler* handler) override { return __FCBrowserNoInciOther::ForEach(handler); }
  __FCBase* FindFirst(FCIteratorHandler* handler) override { return __FCBrowserNoInciOther::FindFirst(handler); }
  FCMeasure* CreateAnObject() override { return new FCMeasure(quavix::kInterfaceVersion); }
};
