#include "JetWriter.h"

#include "src/JetFileBuilder.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavrin {

namespace {

// A temporary file beside the target, removed unless committed.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& target) : target_(target) {
        std::string pattern = target + ".tmp-XXXXXX";
        fd_ = mkstemp(pattern.data());
        if (fd_ < 0)
            fail("cannot create a file beside " + target);
        path_ = pattern;
    }
    ~TemporaryFile() {
        if (fd_ >= 0)
            ::close(fd_);
        if (!committed_)
            std::remove(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    void write(const std::vector<std::uint8_t>& bytes) {
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                fail("cannot write " + path_);
            done += static_cast<std::size_t>(n);
        }
    }

    void commit() {
        if (::fchmod(fd_, 0644) != 0 || ::close(fd_) != 0) {
            fd_ = -1;
            fail("cannot write " + path_);
        }
        fd_ = -1;
        if (std::rename(path_.c_str(), target_.c_str()) != 0)
            fail("cannot rename " + path_ + " to " + target_);
        committed_ = true;
    }

private:
    [[noreturn]] static void fail(const std::string& what) {
        throw JetWriteError(what + ": " + std::strerror(errno));
    }

    std::string target_;
    std::string path_;
    int fd_ = -1;
    bool committed_ = false;
};

} // namespace

void checkJetTable(JetVersion version, const JetTable& table) {
    jet::JetFileBuilder(version).build(table, 0.0);
}

void writeJetFile(const std::string& path, JetVersion version, const JetTable& table) {
    const auto pages = jet::JetFileBuilder(version).build(table, jet::JetFileBuilder::now());
    TemporaryFile file(path);
    for (const auto& page : pages)
        file.write(page);
    file.commit();
}

} // namespace tavrin
