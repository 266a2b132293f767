# Sourced by the build scripts: compiles through ccache when it is installed, with paths
# taken relative to the checkout so that a cache filled by one clone serves another.
drel_cache_args=()
if command -v ccache >/dev/null 2>&1; then
    export CCACHE_BASEDIR="$PWD"
    export CCACHE_NOHASHDIR=1
    drel_cache_args=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
