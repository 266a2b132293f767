namespace drel::chart {}
