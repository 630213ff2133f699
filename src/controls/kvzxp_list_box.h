#pragma once
// The standard list box with the scheme's two-line frame drawn over its border after every
// paint.

#include "controls/scheme_framed.h"
#include "ui/list_box.h"

namespace controls {

class TKVZXPCustomListBox : public SchemeFramed<ui::ListBox> {
  public:
    using SchemeFramed::SchemeFramed;
};

class TKVZXPListBox : public TKVZXPCustomListBox {
  public:
    using TKVZXPCustomListBox::TKVZXPCustomListBox;
};

}  // namespace controls
