#pragma once
// The command line on fakes: the services it runs on, a console that keeps what it writes, and
// the folders every run checks (the system folder, the program's own).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/cli.h"
#include "fakes/fake_services.h"
#include "recorded_console.h"

namespace clitest {

class CommandLineTest : public ::testing::Test {
  protected:
    fakes::FakeServices fake;
    RecordedConsole console;
    engine::CleaningServices services{fake.files,    fake.system, fake.profile,
                                      fake.registry, fake.shell,  fake.urlCache};

    CommandLineTest() {
        fake.files.AddFolder("C:\\WINDOWS\\system32");
        fake.files.AddFolder("C:\\Program Files\\Skarvel");
    }

    // Runs skarvel-cli with ARGS; the console holds only what this run wrote.
    int Run(const std::vector<std::string>& args, const cli::AdminServices& admin = {}) {
        console.out.clear();
        console.err.clear();
        return cli::RunCommandLine(args, services, fake.processes, console, admin);
    }
};

}  // namespace clitest
