# What `cmake --graphviz` draws: the project's own targets, without tests, benchmarks or libraries
# from outside (docs/architecture.md shows the result).
set(GRAPHVIZ_EXTERNAL_LIBS FALSE)
set(GRAPHVIZ_GENERATE_PER_TARGET FALSE)
set(GRAPHVIZ_GENERATE_DEPENDERS FALSE)
set(GRAPHVIZ_IGNORE_TARGETS ".*_tests$;.*_bench$;busquery_test_support;busquery_reference;gtest.*;gmock.*")
