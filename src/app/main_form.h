#pragma once
// TForm1: the main window. The category controls, tool buttons and file list are built on
// the control set; the activity log (Memo1) lives here for the whole program run.

#include <string>

#include "app/program.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/memo.h"
#include "ui/timer.h"

// The product banner and the window caption.
inline constexpr char kProductVersion[] = "Skarvel 1.0.7.977";

class TForm1 : public ui::Form {
public:
    explicit TForm1(app::Program& program);

    // Writes the activity-log header.
    void FormCreate();
    // Keeps the main window disabled while a modal-like tool window is visible.
    void Timer1Timer();
    // Fades out, then lets the close end the program.
    void FormClose(ui::CloseAction& action);
    // Appends one line to the activity log.
    void AppendLog(const std::string& line);

    ui::Memo Memo1;
    ui::Label Label2;
    ui::Timer Timer1;

private:
    app::Program& program_;
};
