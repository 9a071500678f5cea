// CQVDownloadManager: one idle object for the process.
#include "QVDownloadManager.h"

CQVDownloadManager* CQVDownloadManager::Instance() {
    static CQVDownloadManager s_instance;
    return &s_instance;
}
