#pragma once
// Implemented by controls with titled columns (the list views), so that code which only knows
// a control by name can retitle a column: dynamic_cast a Control* to ColumnTitleHost*.

#include <string>

namespace ui {

class ColumnTitleHost {
  public:
    virtual ~ColumnTitleHost() = default;
    // Sets the title of COLUMN (0-based); a column that does not exist is ignored.
    virtual void SetColumnTitle(int column, const std::string& title) = 0;
};

}  // namespace ui
