#pragma once

#include <cstdint>
#include <string>

#include "assets/assets.h"

// The page structure of an Ogg block, read with our own walker rather than
// libogg, so a test states exactly what "one complete logical stream" means.
struct OggShape {
    std::string problem;            // empty when every page parsed and checked
    int pages = 0;
    int serialNumbers = 0;          // distinct serial numbers seen
    bool firstPageOpens = false;    // beginning-of-stream flag on the first page
    bool onlyFirstPageOpens = true;
    bool lastPageCloses = false;    // end-of-stream flag on the last page
    bool onlyLastPageCloses = true;
    std::int64_t firstGranule = -1;
    std::int64_t lastGranule = -1;
};

// Walks the block page by page: capture pattern, version, header and body
// within the block, checksum, sequence numbers counting up from 0. The last
// page must end exactly at the block's end.
OggShape ReadOggShape(EmbeddedBlock block);
