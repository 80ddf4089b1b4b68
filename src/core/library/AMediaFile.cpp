#include "library/AMediaFile.h"

#include "library/RecordingName.h"

std::string_view AMediaFile::localizedName() const
{
    return pmGetFileName(mURL, false);
}
