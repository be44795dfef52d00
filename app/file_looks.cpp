#include "app/file_looks.h"

bool keepLooking(FileLook look, bool fileUnread)
{
    return fileUnread || look == FileLook::settling || look == FileLook::unreadable;
}
