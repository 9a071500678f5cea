#include "QVResourceCount.h"

#include "QVResourceCountInline.h"

int QVCountGdiObjects() {
    return qvcount::GdiObjects();
}

int QVCountThreadWindows() {
    return qvcount::ThreadWindows();
}
