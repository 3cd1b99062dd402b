// Every chart of the program in one include: canvas, arithmetic, and the
// chart operations of the spectro tab.
#pragma once

#include "Canvas.h"
#include "ChartMath.h"
#include "ChartTypes.h"
#include "DeltaABChart.h"
#include "DeltaLChart.h"
#include "LabDiagram.h"
#include "ReflectanceChart.h"
#include "SpectrumColors.h"
