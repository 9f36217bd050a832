// Probing the free GDI handles of the process.
#include "support/gdi_handles.h"

#include <windows.h>

#include <vector>

int FreeGdiHandles() {
    std::vector<HPEN> pens;
    pens.reserve(70000);
    for (;;) {
        HPEN pen = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
        if (!pen)
            break;
        pens.push_back(pen);
    }
    for (HPEN pen : pens)
        DeleteObject(pen);
    return static_cast<int>(pens.size());
}
