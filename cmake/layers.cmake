# The layers of src/, written once: CMakeLists.txt links each library to the ones named here and
# the test "layers" (cmake/check_layers.cmake) allows a folder the headers of those and of the
# ones below them, never one above. Bottom up; a subsystem of the windows links the one before it.
set(CATHLAB_SUBSYSTEMS patients registration ordering exam_requests procedure_report results returns charging
                       receivables assessment medication_requests workspace)

set(CATHLAB_USES_platform_text)
set(CATHLAB_USES_platform_db     platform_text)
set(CATHLAB_USES_platform_ui     platform_text)
set(CATHLAB_USES_platform_report platform_db platform_ui)
set(CATHLAB_USES_platform_agent  platform_ui)
set(CATHLAB_USES_hospital        platform_db)
set(CATHLAB_USES_components      hospital platform_ui)
set(CATHLAB_USES_shared          components platform_report)
set(CATHLAB_USES_access          shared)
set(below access)
foreach(sub ${CATHLAB_SUBSYSTEMS})
  set(CATHLAB_USES_${sub} ${below})
  set(below ${sub})
endforeach()
set(CATHLAB_USES_shell ${below} platform_agent)
set(CATHLAB_USES_app   shell)

set(CATHLAB_LAYERS platform_text platform_db platform_ui platform_report platform_agent hospital components shared access
                   ${CATHLAB_SUBSYSTEMS} shell app)

# The folder of src/ of a layer: platform_db is platform/db.
function(cathlab_layer_folder layer out)
  string(REGEX REPLACE "^platform_" "platform/" folder "${layer}")
  set(${out} ${folder} PARENT_SCOPE)
endfunction()
