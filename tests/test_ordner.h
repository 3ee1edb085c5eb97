#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <vector>

// A fresh folder under /tmp for one test, removed with everything in it.
// It is open to every user so tests may act as an unprivileged one.
class TestOrdner {
public:
    TestOrdner()
    {
        std::string vorlage = (std::filesystem::temp_directory_path() / "orbela-test-XXXXXX").string();
        std::vector<char> puffer(vorlage.begin(), vorlage.end());
        puffer.push_back('\0');
        if (::mkdtemp(puffer.data()) == nullptr)
            std::abort();
        pfad_ = puffer.data();
        ::chmod(pfad_.c_str(), 0777);
    }
    ~TestOrdner()
    {
        std::error_code ec;
        std::filesystem::permissions(pfad_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(pfad_, ec);
    }
    TestOrdner(const TestOrdner&) = delete;
    TestOrdner& operator=(const TestOrdner&) = delete;

    // The folder itself (for an empty name) or a file in it.
    std::string pfad(const std::string& name) const { return name.empty() ? pfad_ : pfad_ + "/" + name; }

private:
    std::string pfad_;
};
