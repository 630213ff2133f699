#pragma once
// The standard multi-line edit with the scheme's two-line frame drawn over its border after
// every paint.

#include "controls/scheme_framed.h"
#include "ui/memo.h"

namespace controls {

class TKVZXPCustomMemo : public SchemeFramed<ui::Memo> {
  public:
    using SchemeFramed::SchemeFramed;
};

class TKVZXPMemo : public TKVZXPCustomMemo {
  public:
    using TKVZXPCustomMemo::TKVZXPCustomMemo;
};

}  // namespace controls
