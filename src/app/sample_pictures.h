// The sample pictures a new program folder gets: simple drawings of our own
// (sunset, sea, flowers, mountains, a colour chart), each with its album texts.
#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace pictra {

struct SamplePicture {
    QString fileName; // "sample1.jpg"
    QImage image;
    QString summary;
    QString place;
    QString memo;
    int year = 0;
    int month = 0;
    int day = 0;
};

std::vector<SamplePicture> drawSamplePictures();

} // namespace pictra
