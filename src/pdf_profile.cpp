// Where a run's time goes, step by step, summed into the profile the bench lends.
#include "pdf_profile.h"

#include <windows.h>

static T_RUN_PROFILE* pProfile; // pdfLendProfile
static LARGE_INTEGER tLastMark;

int pdfLendProfile(T_RUN_PROFILE* profile)
{
    pProfile = profile;
    if (profile)
        *profile = T_RUN_PROFILE();
    QueryPerformanceCounter(&tLastMark);
    return 0;
}

int pdfProfileMark(int nStep)
{
    if (!pProfile)
        return 0;
    LARGE_INTEGER now, freq;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&freq);
    pProfile->ms[nStep] +=
        (double)(now.QuadPart - tLastMark.QuadPart) * 1000.0 / (double)freq.QuadPart;
    tLastMark = now;
    return 0;
}
