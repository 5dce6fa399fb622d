#include "app/SystemMenu.h"

namespace morvik {

void AddAboutToSystemMenu(QWidget&) {}

bool IsSystemMenuAbout(const void*) {
    return false;
}

}  // namespace morvik
