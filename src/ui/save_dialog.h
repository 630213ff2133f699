#pragma once
// A file-save dialog (standard dialog). The filter and the name are the model; Execute runs
// the platform's dialog, modal to its owner form, and keeps the name the user chose.

#include <string>
#include <utility>

namespace ui {

class Form;

class SaveDialog {
  public:
    explicit SaveDialog(Form& owner) : owner_(owner) {}
    SaveDialog(const SaveDialog&) = delete;
    SaveDialog& operator=(const SaveDialog&) = delete;

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    // Pairs of a label and a pattern, separated by "|": "txt|*.txt".
    const std::string& Filter() const { return filter_; }
    void SetFilter(std::string filter) { filter_ = std::move(filter); }
    // The name the dialog opens with, and after Execute the name chosen.
    const std::string& FileName() const { return fileName_; }
    void SetFileName(std::string name) { fileName_ = std::move(name); }

    // Runs the dialog; true when the user chose a name, false when they cancelled. The chosen
    // name is taken as typed: no extension is added and an existing file brings no question.
    bool Execute();

  protected:
    Form& Owner() const { return owner_; }

  private:
    Form& owner_;
    std::string name_;
    std::string filter_;
    std::string fileName_;
};

// The file-open dialog: the same model, and Execute runs the platform's open dialog, which
// returns only a file that exists.
class OpenDialog : public SaveDialog {
  public:
    using SaveDialog::SaveDialog;
    bool Execute();
};

}  // namespace ui
