// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// Loads and unloads the package twice in one process: run under
// LeakSanitizer, a leak of the lists (or of anything else the package
// creates) fails the run; a list left behind fails it too.
#include "external/Tool_image_basics.h"
#include "package/QZ8StyledListboxPack.h"
#include "toolkit/ImgList.h"

#include <cstdio>

int main()
{
    for (int round = 0; round < 2; ++round) {
        qz8::FinalizePackage();
        for (qz8::TImageList* l : qz8::ImageLists) {
            if (l) {
                std::fprintf(stderr, "a list is left after the unload\n");
                return 1;
            }
        }
        qz8::InitializePackage();
        qz8::ImageLists[3]->SetSize(32, 32); // the lists are usable
    }
    qz8::FinalizePackage();
    std::printf("loaded and unloaded twice\n");
    return qz8::PackageLoaded() ? 1 : 0;
}
