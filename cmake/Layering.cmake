# The store and the reminder decision logic must stay usable without a
# display: they may link Qt6::Core and each other, nothing with widgets or
# painting. kalvix_core_only() registers such a target; the check at the end
# of configuration fails the build when one of them reaches further, either
# through its link libraries or through an include in its sources.
set_property(GLOBAL PROPERTY KALVIX_CORE_TARGETS "")

function(kalvix_core_only target)
  set_property(GLOBAL APPEND PROPERTY KALVIX_CORE_TARGETS ${target})
endfunction()

# kalvix_core_may_link(target lib): one library beyond Qt6::Core that a
# core target is allowed, for a core job that needs it (iCalendar's libical).
function(kalvix_core_may_link target lib)
  set_property(GLOBAL APPEND PROPERTY KALVIX_CORE_EXTRA_${target} ${lib})
endfunction()

function(kalvix_check_layering)
  get_property(core GLOBAL PROPERTY KALVIX_CORE_TARGETS)
  foreach(t IN LISTS core)
    get_target_property(libs ${t} LINK_LIBRARIES)
    get_property(extra GLOBAL PROPERTY KALVIX_CORE_EXTRA_${t})
    if(libs)
      foreach(l IN LISTS libs)
        if(NOT l STREQUAL "Qt6::Core" AND NOT l IN_LIST core AND NOT l IN_LIST extra)
          message(FATAL_ERROR "${t} is a core target and may not link ${l}")
        endif()
      endforeach()
    endif()
    get_target_property(srcs ${t} SOURCES)
    get_target_property(dir ${t} SOURCE_DIR)
    foreach(s IN LISTS srcs)
      if(NOT IS_ABSOLUTE ${s})
        set(s ${dir}/${s})
      endif()
      if(EXISTS ${s})
        file(STRINGS ${s} bad REGEX "#[ \t]*include[ \t]*[<\"](QtWidgets|QtGui|QWidget|QApplication|QGuiApplication|QPainter|QImage|QPixmap|QDialog|QMessageBox)")
        if(bad)
          message(FATAL_ERROR "${t}: ${s} includes a GUI header: ${bad}")
        endif()
      endif()
    endforeach()
  endforeach()
endfunction()
