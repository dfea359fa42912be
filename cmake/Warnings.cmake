# The warnings every target is built with: the set KeePassXC builds with
# plus -Wconversion, so that narrowing a value is always written out as a
# cast where it is meant. A developer's build only shows them; CI turns them
# into errors (KALVIX_WERROR, set by `make test WERROR=1` in .ci/run), so a
# new warning never lands while an unfamiliar compiler's new one does not
# stop a local build.
include(CheckCXXCompilerFlag)

option(KALVIX_WERROR "Treat compiler warnings as errors (CI)" OFF)

add_compile_options(
  -Wall -Wextra -Wundef -Wpointer-arith -Wno-long-long
  -Wformat=2 -Wmissing-format-attribute -Werror=format-security
  -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual -Wcast-align
  -Wconversion
  -fno-common)

# GCC only: a local that hides another local or parameter of the same
# (or a convertible) type.
foreach(flag -Wshadow-compatible-local -Wshadow-local)
  string(MAKE_C_IDENTIFIER "KALVIX_HAS${flag}" var)
  check_cxx_compiler_flag(${flag} ${var})
  if(${var})
    add_compile_options(${flag})
  endif()
endforeach()

if(KALVIX_WERROR)
  add_compile_options(-Werror)
endif()
