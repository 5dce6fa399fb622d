#include "app/UserKey.h"

#include <unistd.h>

namespace morvik {

QByteArray CurrentUserKey() {
    return QByteArray::number(static_cast<qulonglong>(::getuid()));
}

}  // namespace morvik
