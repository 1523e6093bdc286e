// Running the built pictra-cli as scripts would, for the end-to-end tests:
// exit code, standard output and standard error of one call.
#pragma once

#include "core/image_io/image_file_io.h"
#include "core/util/file_io.h"
#include "support/synthetic_image.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace pictra {

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

class PictraCli : public ::testing::Test {
protected:
    CliRun cli(const std::string& arguments)
    {
        const std::string errFile = dir.file("stderr.txt");
        const std::string command = std::string(PICTRA_CLI_PATH) + " " + arguments + " 2>" + errFile;
        CliRun run;
        FILE* pipe = ::popen(command.c_str(), "r");
        if (!pipe)
            return run;
        char buf[4096];
        std::size_t n = 0;
        while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0)
            run.out.append(buf, n);
        const int status = ::pclose(pipe);
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        if (auto err = readFile(errFile))
            run.err.assign(err->begin(), err->end());
        return run;
    }

    // The same photo-like picture written in every format we read.
    std::vector<std::string> writeImages(const std::vector<std::string>& names, int width, int height)
    {
        ImageBuffers buffers(static_cast<std::size_t>(width) * height * 3 + 4 * height);
        test::fillRecord(test::makePhotoLike(width, height), buffers);
        ImageFileIO io;
        std::vector<std::string> paths;
        for (const std::string& name : names) {
            paths.push_back(dir.file("src/" + name));
            makeFolders(dir.file("src"));
            EXPECT_EQ(io.saveImage(paths.back(), buffers.record()), Status::Ok) << name;
        }
        return paths;
    }

    test::TempDir dir;
};

} // namespace pictra
