# The headless core tests, run natively and, compiled by Emscripten, under Node.js.
set(lopena_core_test_sources
  NumberConventionsTest.cpp
  ToolkitTest.cpp
  LaunchTest.cpp
  InputsTest.cpp
  ViewReportAboutTest.cpp
  EventSequenceTest.cpp
  NotebookTest.cpp
  PhysicsTest.cpp
  LabTest.cpp
  LabSeriesTest.cpp
  ThrowNameTest.cpp
  LabSceneTest.cpp
  LabSetupTest.cpp
  ProblemsTest.cpp
)
