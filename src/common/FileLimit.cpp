#include "common/FileLimit.h"

#include <QtGlobal>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

namespace FileLimit
{

int raise()
{
    constexpr int most = 1 << 20;
#ifdef Q_OS_UNIX
    rlimit files{};
    if (::getrlimit(RLIMIT_NOFILE, &files) != 0)
        return most;
    if (files.rlim_cur < files.rlim_max) {
        files.rlim_cur = files.rlim_max;
        ::setrlimit(RLIMIT_NOFILE, &files);
        ::getrlimit(RLIMIT_NOFILE, &files);
    }
    if (files.rlim_cur == RLIM_INFINITY)
        return most;
    return int(std::min<rlim_t>(files.rlim_cur, most));
#else
    return most;
#endif
}

} // namespace FileLimit
