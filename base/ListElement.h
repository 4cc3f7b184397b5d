// The common start of every list element: the section it was read from, so
// elements of all list kinds can be searched by section.
#pragma once

enum { ListTextSize = 255 };

struct ListElement {
    char section[ListTextSize];
};
