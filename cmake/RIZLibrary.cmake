# RIZuruzezu.dll: the control library, one DLL from the subsystem folders. Each folder's headers are
# public; RIZuruzezu.h at the root includes them all, and RIZuruzezu.cpp beside it is the module entry
# (DllMain and the static objects of every subsystem), the one source above the folders.
set(RIZ_LIBRARY_FOLDERS foundation skinwnd controls outbar toolbar docking imlist views uiobject composite skinsb)
set(RIZ_LIBRARY_SOURCES)
set(RIZ_LIBRARY_INCLUDES)
foreach(_folder ${RIZ_LIBRARY_FOLDERS})
  if(EXISTS ${PROJECT_SOURCE_DIR}/${_folder})
    file(GLOB _sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${_folder}/*.cpp ${PROJECT_SOURCE_DIR}/${_folder}/*.rc)
    list(APPEND RIZ_LIBRARY_SOURCES ${_sources})
    list(APPEND RIZ_LIBRARY_INCLUDES $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/${_folder}>)
    install(DIRECTORY ${PROJECT_SOURCE_DIR}/${_folder}/ DESTINATION include FILES_MATCHING PATTERN "*.h")
  endif()
endforeach()

add_library(RIZuruzezu SHARED ${PROJECT_SOURCE_DIR}/RIZuruzezu.cpp ${RIZ_LIBRARY_SOURCES})
riz_target(RIZuruzezu)
target_compile_definitions(RIZuruzezu PRIVATE RIZURUZEZU_BUILD _AFXEXT)
target_include_directories(RIZuruzezu PUBLIC ${RIZ_LIBRARY_INCLUDES}
  $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>
  $<INSTALL_INTERFACE:include>)
target_link_libraries(RIZuruzezu PUBLIC ZIRevudiVuzad RIZAfx gdiplus msimg32 PRIVATE ntdll)
set_target_properties(RIZuruzezu PROPERTIES PREFIX "")
# The word list's tick: drawn at build time by skingen into generated/views, where the resource script
# views/QVWordList.rc finds it.
if(TARGET word_tick)
  add_dependencies(RIZuruzezu word_tick)
  target_include_directories(RIZuruzezu PRIVATE $<BUILD_INTERFACE:${CMAKE_BINARY_DIR}/generated/views>)
  set_source_files_properties(${PROJECT_SOURCE_DIR}/views/QVWordList.rc PROPERTIES
    OBJECT_DEPENDS ${CMAKE_BINARY_DIR}/generated/views/QVWordTick.bmp)
endif()
# The sentence explorer's bullet, drawn the same way beside the tick.
if(TARGET sentence_bullet)
  add_dependencies(RIZuruzezu sentence_bullet)
  set_source_files_properties(${PROJECT_SOURCE_DIR}/views/QVSentenceExplorer.rc PROPERTIES
    OBJECT_DEPENDS ${CMAKE_BINARY_DIR}/generated/views/QVSentenceBullet.bmp)
endif()

install(TARGETS RIZuruzezu EXPORT RIZuruzezuTargets
  RUNTIME DESTINATION bin
  LIBRARY DESTINATION bin
  ARCHIVE DESTINATION lib)
install(FILES ${PROJECT_SOURCE_DIR}/RIZuruzezu.h DESTINATION include)
