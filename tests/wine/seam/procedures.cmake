# What the exposure code asks of the program it is part of (exposure/control/ExposureSeam.h).
set(seam_procedures CopyExposureSettings FocusForExposure ShowExposureRunning
                    ShowFrequencyFromKeys PauseFromKeys)
