// The download manager of the host application: present for the hosts that reach it, it downloads
// nothing.
#pragma once

#include "ZIRevudiVuzadDef.h"

class ZIR_API CQVDownloadManager {
public:
    static CQVDownloadManager* Instance();

    CQVDownloadManager(const CQVDownloadManager&) = delete;
    CQVDownloadManager& operator=(const CQVDownloadManager&) = delete;

private:
    CQVDownloadManager() = default;
};
