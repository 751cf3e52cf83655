#pragma once

#include "fuzz_check.h"

#include <cstdlib>
#include <filesystem>
#include <string>

// A folder of the run's own under /tmp for the files a target writes. Kept in a static, it is
// removed with everything in it when the fuzzer ends its run (libFuzzer leaves through exit()).
class FuzzFolder {
  public:
    explicit FuzzFolder(const std::string &prefix) {
        std::string name = "/tmp/" + prefix + ".XXXXXX";
        FUZZ_CHECK(mkdtemp(name.data()) != nullptr);
        m_path = name;
    }
    ~FuzzFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    FuzzFolder(const FuzzFolder &) = delete;
    FuzzFolder &operator=(const FuzzFolder &) = delete;

    const std::string &path() const { return m_path; }

  private:
    std::string m_path;
};
